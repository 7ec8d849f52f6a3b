<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: astrolabe-simulator [--help] [--version] [Qt options]

Dorlasco&apos;s astrolabe simulator: find the position of the Sun, the position of the Moon or the
phase of the Moon from the other two on an ancient astrolabe plate, read the solar hour, and
see the solution drawn on a circle. Press F1 in the program for its guide.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options, such as -platform offscreen or -style fusion, are passed on to Qt.
See astrolabe-simulator(1).
</source>
        <extracomment>The text of --help. The options&apos; names and &quot;astrolabe-simulator(1)&quot; stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot use the style sheet &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing value for option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>The figure could not be printed to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file printed to; %2 is why it failed, such as &quot;No space left on device&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure could not be printed: the printer reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printed file came out cut short, with %1 free on its disk</source>
        <extracomment>%1 is a size in bytes, such as &quot;4 KiB&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The program&apos;s own guide is: press F1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar hour %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>The figure buttons read the main window&apos;s fields, never this box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun&apos;s position last drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon&apos;s position last drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phase of the Moon in the main window when this window opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The astrolabe&apos;s geometric solution: a circle with its two axes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing drawn yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Moon&apos;s line at %1 degrees, green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Sun&apos;s line at %1 degrees, red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ring of the %1 days of the Moon&apos;s month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>Picture: %1.</source>
        <extracomment>Below each picture of the guide, its description; %1 is the description.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Guide to %1</source>
        <extracomment>The Help window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guide&apos;s sections: choose one to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The guide cannot be shown: %1

%2</source>
        <extracomment>%1 says what is wrong with the guide&apos;s file, %2 is the file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresentationBox</name>
    <message>
        <source>Linked presentation (%1):
%2
The presentation is not included with this program. Double-click to open it if you have a copy in your data folder:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The presentation &quot;%1&quot; is not included with this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To view the presentation, put a copy of the file in this folder:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation not present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application on this desktop opens the presentation:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

(not included)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>the name leads to %1, %2, not a regular file</source>
        <extracomment>%1 is where a link leads, such as /dev/full; %2 says what it is, such as &quot;a device&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextBox</name>
    <message>
        <source>The text is too long for this field: it would hold %1 characters, and a field holds at most %2.

The field keeps its text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
