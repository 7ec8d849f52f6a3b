<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Dorlasco&apos;s astrolabe simulator</source>
        <extracomment>The program&apos;s name, the title of the main window and of the program&apos;s messages.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>no display could be opened: DISPLAY is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display could be opened: the X server of display %1 did not answer</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the display has %1 bits per pixel; the program needs at least %2</source>
        <extracomment>%1 is the display&apos;s bits per pixel, %2 the fewest the program needs.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldValues</name>
    <message>
        <source>In &quot;%1&quot; only %2 was read: %3 was not. Write decimals with a full stop, such as %4.</source>
        <extracomment>Told when a field&apos;s number was followed by a comma: %1 is the field&apos;s caption, %2 the number read, %3 what follows it, such as &quot;,5&quot;, %4 the same number written with a full stop, such as 30.5. Shown as a tooltip at the field and told to a screen reader after the result.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Told to a screen reader: %1 is the result, such as &quot;Moon 325&quot;, %2 the note about the decimal comma.</extracomment>
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
    <message>
        <source>Save the figure</source>
        <extracomment>The title of the save dialog.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>figure.png</source>
        <extracomment>The name the save dialog proposes; it keeps the .png.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>Stands for an empty box in &quot;Sun %1, Moon %2, phase %3&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun %1, Moon %2, phase %3</source>
        <extracomment>Printed under the figure and copied with it: the three boxes of the drawing window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure could not be printed: the printer did not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure could not be printed to &quot;%1&quot;.</source>
        <extracomment>%1 is the file printed to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file saved to; %2 is why it failed, such as &quot;No space left on device&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name must end in .png, .svg or .pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drawing could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear figures</source>
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
        <extracomment>Shown in the presentation box, below the presentation&apos;s name, and told to a screen reader.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar hour %1</source>
        <extracomment>Spoken to a screen reader: %1 is the hour read, such as &quot;14&quot; or &quot;14 30&quot; (hours and minutes).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PhaseoftheMoon=(PositionoftheSun - PositionoftheMoon) * (28/360)</source>
        <extracomment>A formula shown in the formula field, read by a student: the names of the quantities may be written in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PositionoftheSun = PositionoftheMoon  + (360/28)*PhaseoftheMoon</source>
        <extracomment>A formula shown in the formula field, read by a student: the names of the quantities may be written in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PositionoftheMoon = PositionoftheSun - (360/28)*PhaseoftheMoon</source>
        <extracomment>A formula shown in the formula field, read by a student: the names of the quantities may be written in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun %1</source>
        <extracomment>Spoken to a screen reader after a solve: %1 is the position computed, in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon %1</source>
        <extracomment>Spoken to a screen reader after a solve: %1 is the position computed, in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase %1</source>
        <extracomment>Spoken to a screen reader after a solve: %1 is the phase computed, a day of the Moon&apos;s month.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position  of the Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of the Moon and of Sun in degrees: positive clock  wise,     zero south</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorlasco&apos;s Astrolabe simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It teachs in a simple way how  to use Dorlasco&apos;s astrolabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to see a 15&apos; PowerPointPresentation in Italian language ( suggested).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not present in the email version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green line :       position of the Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red line:              position of the Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the Position of the Sun, the Position of the Moon, the Phase of the Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter of two of these data and you will have,  as result, the  third data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of the Sun in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of the Moon in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase of the Moon (integer between 1 and 28 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of the Moon&apos;s month: after the new Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read solar hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solar hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See geometrical solution in astrolabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algebric formula used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the plate picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the astrolabe to point the Sun  or the Moon</source>
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
        <extracomment>The end of the drawing&apos;s description for a screen reader: %1 lists the figures, such as &quot;the Sun&apos;s line at 30 degrees, red; the ring of the 28 days of the Moon&apos;s month&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn: %1</source>
        <extracomment>Spoken to a screen reader when a button has drawn a figure: %1 is the figure, such as &quot;the Moon&apos;s line at 325 degrees, green&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Moon&apos;s line at %1 degrees, green</source>
        <extracomment>A figure, in the drawing&apos;s description and in &quot;Drawn: %1&quot;: %1 is the position in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Sun&apos;s line at %1 degrees, red</source>
        <extracomment>A figure, in the drawing&apos;s description and in &quot;Drawn: %1&quot;: %1 is the position in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ring of the %1 days of the Moon&apos;s month</source>
        <extracomment>A figure, in the drawing&apos;s description and in &quot;Drawn: %1&quot;: %1 is 28.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A box&apos;s tooltip of two sentences: %1 what the box shows, %2 that the buttons do not read it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Joins two figures in a list of what is drawn: %1 the list so far, %2 the next figure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form3a</source>
        <extracomment>The title of the drawing window, a name the window was given in its design.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase of the Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon&apos;s line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon&apos;s Phase</source>
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
    <name>Message</name>
    <message>
        <source>A number is too large to work with, or the arithmetic on it went beyond what the program can count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer was written: the field it would have gone to keeps its text. Type a smaller number and press the button again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: the file is not there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture already shown stays. Put a copy of the file in its place and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture already shown stays. Put a good copy of the file in its place and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong inside the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed, and the program goes on. If it happens again, please report it with the details.</source>
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
    <message>
        <source>a folder</source>
        <extracomment>What a name that is not a regular file is, in &quot;the name leads to /dev/full, a device, not a regular file&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a plain file, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large: %1, more than the %2 allowed</source>
        <extracomment>Why a file was refused: %1 is its size, %2 the largest allowed, such as &quot;64 MiB&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large: more than the %1 allowed</source>
        <extracomment>Why a file was refused: %1 is the largest size allowed, such as &quot;64 MiB&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What a message about a picture concerns: %1 is the file&apos;s path, %2 why it was refused.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder, not a picture file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is too large: %1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>The first lines of a message&apos;s details: %1 is the error&apos;s number, %2 its name, such as &quot;Overflow&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped in %1.</source>
        <extracomment>The last line of a message&apos;s details: %1 is the procedure, such as Form1.Form_Load, a name in the code.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped in %1 (the button &quot;%2&quot;).</source>
        <extracomment>The last line of a message&apos;s details: %1 is the procedure, such as Form1.Command1_Click, a name in the code; %2 is the caption of the button that was pressed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of the field &quot;%1&quot;, &quot;%2&quot; could not be used.</source>
        <extracomment>%1 is a field&apos;s caption, %2 the start of what it holds. One sentence of a message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The values of the field &quot;%1&quot;, &quot;%2&quot; and the field &quot;%3&quot;, &quot;%4&quot; could not be used.</source>
        <extracomment>%1 and %3 are fields&apos; captions, %2 and %4 the start of what each holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The values of the field &quot;%1&quot;, &quot;%2&quot; and the field &quot;%3&quot;, &quot;%4&quot; and the field &quot;%5&quot;, &quot;%6&quot; could not be used.</source>
        <extracomment>%1, %3 and %5 are fields&apos; captions, %2, %4 and %6 the start of what each holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextBox</name>
    <message numerus="yes">
        <source>The text is too long for this field: it would hold %1 characters, and a field holds at most %2.

The field keeps its text.</source>
        <extracomment>%1 is the length the text would have, %2 the longest a field holds (4,096); the form follows %1.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
