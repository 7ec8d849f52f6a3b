<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Dorlasco&apos;s astrolabe simulator</source>
        <extracomment>The program&apos;s name, the title of the main window and of the program&apos;s messages.</extracomment>
        <translation>Simulatore dell&apos;astrolabio di Dorlasco</translation>
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
        <translation>Uso: astrolabe-simulator [--help] [--version] [opzioni di Qt]

Simulatore dell&apos;astrolabio di Dorlasco: trova la posizione del Sole, la posizione della Luna o
la fase della Luna a partire dalle altre due su un&apos;antica tavola di astrolabio, legge l&apos;ora
solare e mostra la soluzione disegnata su un cerchio. Nel programma, F1 apre la guida.

Opzioni:
  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce

Le opzioni proprie di Qt, come -platform offscreen o -style fusion, passano a Qt.
Vedere astrolabe-simulator(1).
</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>errore di scrittura: %1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>errore di scrittura</translation>
    </message>
    <message>
        <source>cannot use the style sheet &apos;%1&apos;: %2</source>
        <translation>impossibile usare il foglio di stile &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing value for option &apos;%1&apos;</source>
        <translation>manca il valore dell&apos;opzione &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display could be opened: DISPLAY is not set</source>
        <translation>impossibile aprire uno schermo: DISPLAY non è impostata</translation>
    </message>
    <message>
        <source>no display could be opened: the X server of display %1 did not answer</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>impossibile aprire uno schermo: il server X dello schermo %1 non ha risposto</translation>
    </message>
    <message>
        <source>the display has %1 bits per pixel; the program needs at least %2</source>
        <extracomment>%1 is the display&apos;s bits per pixel, %2 the fewest the program needs.</extracomment>
        <translation>lo schermo ha %1 bit per pixel; il programma ne richiede almeno %2</translation>
    </message>
</context>
<context>
    <name>FieldValues</name>
    <message>
        <source>In &quot;%1&quot; only %2 was read: %3 was not. Write decimals with a full stop, such as %4.</source>
        <extracomment>Told when a field&apos;s number was followed by a comma: %1 is the field&apos;s caption, %2 the number read, %3 what follows it, such as &quot;,5&quot;, %4 the same number written with a full stop, such as 30.5. Shown as a tooltip at the field and told to a screen reader after the result.</extracomment>
        <translation>In &quot;%1&quot; è stato letto solo %2: %3 no. Scrivi i decimali con il punto, per esempio %4.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Told to a screen reader: %1 is the result, such as &quot;Moon 325&quot;, %2 the note about the decimal comma.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>The figure could not be printed to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file printed to; %2 is why it failed, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Non è stato possibile stampare la figura in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The figure could not be printed: the printer reported an error.</source>
        <translation>Non è stato possibile stampare la figura: la stampante ha segnalato un errore.</translation>
    </message>
    <message>
        <source>the printed file came out cut short, with %1 free on its disk</source>
        <extracomment>%1 is a size in bytes, such as &quot;4 KiB&quot;.</extracomment>
        <translation>il file stampato è rimasto incompleto, con %1 liberi sul suo disco</translation>
    </message>
    <message>
        <source>Save the figure</source>
        <extracomment>The title of the save dialog.</extracomment>
        <translation>Salva la figura</translation>
    </message>
    <message>
        <source>figure.png</source>
        <extracomment>The name the save dialog proposes; it keeps the .png.</extracomment>
        <translation>figura.png</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>Stands for an empty box in &quot;Sun %1, Moon %2, phase %3&quot;.</extracomment>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>Sun %1, Moon %2, phase %3</source>
        <extracomment>Printed under the figure and copied with it: the three boxes of the drawing window.</extracomment>
        <translation>Sole %1, Luna %2, fase %3</translation>
    </message>
    <message>
        <source>The figure could not be printed: the printer did not start.</source>
        <translation>Non è stato possibile stampare la figura: la stampante non è partita.</translation>
    </message>
    <message>
        <source>The figure could not be printed to &quot;%1&quot;.</source>
        <extracomment>%1 is the file printed to.</extracomment>
        <translation>Non è stato possibile stampare la figura in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The figure could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file saved to; %2 is why it failed, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Non è stato possibile salvare la figura in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the name must end in .png, .svg or .pdf</source>
        <translation>il nome deve finire con .png, .svg o .pdf</translation>
    </message>
    <message>
        <source>the drawing could not be written</source>
        <translation>non è stato possibile scrivere il disegno</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>&amp;Save As…</source>
        <translation>&amp;Salva con nome…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>C&amp;lear figures</source>
        <translation>Ca&amp;ncella le figure</translation>
    </message>
    <message>
        <source>The figure could not be printed: %1.</source>
        <extracomment>%1 is why the printing module could not be loaded.</extracomment>
        <translation>Non è stato possibile stampare la figura: %1.</translation>
    </message>
    <message>
        <source>The figure was sent to the printer %1.</source>
        <extracomment>Told to a screen reader; %1 is the printer&apos;s name.</extracomment>
        <translation>La figura è stata inviata alla stampante %1.</translation>
    </message>
    <message>
        <source>The figure was printed to the file &quot;%1&quot;.</source>
        <extracomment>Told to a screen reader; %1 is the name of the file printed to, without its folder.</extracomment>
        <translation>La figura è stata stampata nel file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The figure was saved as &quot;%1&quot;.</source>
        <extracomment>Told to a screen reader; %1 is the name of the file saved, without its folder.</extracomment>
        <translation>La figura è stata salvata come &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensione reale</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <extracomment>Told to a screen reader after Ctrl+plus, Ctrl+minus or Ctrl+0; %1 is the window&apos;s zoom in percent, as 150.</extracomment>
        <translation>Ingrandimento %1%</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The program&apos;s own guide is: press F1.</source>
        <extracomment>Shown in the presentation box, below the presentation&apos;s name, and told to a screen reader.</extracomment>
        <translation>La guida del programma: premi F1.</translation>
    </message>
    <message>
        <source>Solar hour %1</source>
        <extracomment>Spoken to a screen reader: %1 is the hour read, such as &quot;14&quot; or &quot;14 30&quot; (hours and minutes).</extracomment>
        <translation>Ora solare %1</translation>
    </message>
    <message>
        <source> PhaseoftheMoon=(PositionoftheSun - PositionoftheMoon) * (28/360)</source>
        <extracomment>A formula shown in the formula field, read by a student: the names of the quantities may be written in words.</extracomment>
        <translation> FasedellaLuna=(PosizionedelSole - PosizionedellaLuna) * (28/360)</translation>
    </message>
    <message>
        <source>PositionoftheSun = PositionoftheMoon  + (360/28)*PhaseoftheMoon</source>
        <extracomment>A formula shown in the formula field, read by a student: the names of the quantities may be written in words.</extracomment>
        <translation>PosizionedelSole = PosizionedellaLuna  + (360/28)*FasedellaLuna</translation>
    </message>
    <message>
        <source>PositionoftheMoon = PositionoftheSun - (360/28)*PhaseoftheMoon</source>
        <extracomment>A formula shown in the formula field, read by a student: the names of the quantities may be written in words.</extracomment>
        <translation>PosizionedellaLuna = PosizionedelSole - (360/28)*FasedellaLuna</translation>
    </message>
    <message>
        <source>Sun %1</source>
        <extracomment>Spoken to a screen reader after a solve: %1 is the position computed, in degrees.</extracomment>
        <translation>Sole %1</translation>
    </message>
    <message>
        <source>Moon %1</source>
        <extracomment>Spoken to a screen reader after a solve: %1 is the position computed, in degrees.</extracomment>
        <translation>Luna %1</translation>
    </message>
    <message>
        <source>Phase %1</source>
        <extracomment>Spoken to a screen reader after a solve: %1 is the phase computed, a day of the Moon&apos;s month.</extracomment>
        <translation>Fase %1</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>Position  of the Sun</source>
        <translation>Posizione del Sole</translation>
    </message>
    <message>
        <source>Position of the Moon and of Sun in degrees: positive clock  wise,     zero south</source>
        <translation>Posizione della Luna e del Sole in gradi: positiva in senso orario, zero a sud</translation>
    </message>
    <message>
        <source>Dorlasco&apos;s Astrolabe simulator</source>
        <translation>L&apos;astrolabio di Dorlasco</translation>
    </message>
    <message>
        <source>It teachs in a simple way how  to use Dorlasco&apos;s astrolabe</source>
        <translation>Insegna in modo semplice a usare l&apos;astrolabio di Dorlasco</translation>
    </message>
    <message>
        <source>Click here to see a 15&apos; PowerPointPresentation in Italian language ( suggested).</source>
        <translation>Fai clic qui per vedere una presentazione PowerPoint di 15&apos; in italiano (consigliata).</translation>
    </message>
    <message>
        <source>Not present in the email version</source>
        <translation>Assente nella versione per email</translation>
    </message>
    <message>
        <source>sin</source>
        <translation>sen</translation>
    </message>
    <message>
        <source>cos</source>
        <translation>cos</translation>
    </message>
    <message>
        <source>green line :       position of the Moon</source>
        <translation>linea verde: posizione della Luna</translation>
    </message>
    <message>
        <source>red line:              position of the Sun</source>
        <translation>linea rossa: posizione del Sole</translation>
    </message>
    <message>
        <source>Connect the Position of the Sun, the Position of the Moon, the Phase of the Moon</source>
        <translation>Collega la posizione del Sole, la posizione della Luna e la fase della Luna</translation>
    </message>
    <message>
        <source>Enter of two of these data and you will have,  as result, the  third data.</source>
        <translation>Inserisci due di questi dati e otterrai, come risultato, il terzo.</translation>
    </message>
    <message>
        <source>Position of the Sun in degrees</source>
        <translation>Posizione del Sole in gradi</translation>
    </message>
    <message>
        <source>Position of the Moon in degrees</source>
        <translation>Posizione della Luna in gradi</translation>
    </message>
    <message>
        <source>Phase of the Moon (integer between 1 and 28 )</source>
        <translation>Fase della Luna (intero tra 1 e 28)</translation>
    </message>
    <message>
        <source>Day of the Moon&apos;s month: after the new Moon</source>
        <translation>Giorno del mese lunare dopo la luna nuova</translation>
    </message>
    <message>
        <source>Read solar hour</source>
        <translation>Leggi l&apos;ora solare</translation>
    </message>
    <message>
        <source>solar hour</source>
        <translation>ora solare</translation>
    </message>
    <message>
        <source>See geometrical solution in astrolabe</source>
        <translation>Vedi la soluzione geometrica sull&apos;astrolabio</translation>
    </message>
    <message>
        <source>Algebric formula used</source>
        <translation>Formula algebrica usata</translation>
    </message>
    <message>
        <source>Reload the plate picture</source>
        <translation>Ricarica l&apos;immagine della tavola</translation>
    </message>
    <message>
        <source>Turn the astrolabe to point the Sun  or the Moon</source>
        <translation>Ruota verso il Sole o la Luna</translation>
    </message>
    <message>
        <source>No quantity was computed: fewer than two were given. Close this window to return to the main window.</source>
        <translation>Nessuna grandezza è stata calcolata: ne sono state date meno di due. Chiudi questa finestra per tornare alla finestra principale.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>The figure buttons read the main window&apos;s fields, never this box.</source>
        <translation>I pulsanti delle figure leggono i campi della finestra principale, mai questa casella.</translation>
    </message>
    <message>
        <source>The Sun&apos;s position last drawn.</source>
        <translation>La posizione del Sole disegnata per ultima.</translation>
    </message>
    <message>
        <source>The Moon&apos;s position last drawn.</source>
        <translation>La posizione della Luna disegnata per ultima.</translation>
    </message>
    <message>
        <source>The phase of the Moon in the main window when this window opened.</source>
        <translation>La fase della Luna nella finestra principale quando questa finestra si è aperta.</translation>
    </message>
    <message>
        <source>The astrolabe&apos;s geometric solution: a circle with its two axes.</source>
        <translation>La soluzione geometrica dell&apos;astrolabio: un cerchio con i suoi due assi.</translation>
    </message>
    <message>
        <source>Nothing drawn yet.</source>
        <translation>Ancora nessun disegno.</translation>
    </message>
    <message>
        <source>Drawn: %1.</source>
        <extracomment>The end of the drawing&apos;s description for a screen reader: %1 lists the figures, such as &quot;the Sun&apos;s line at 30 degrees, red; the ring of the 28 days of the Moon&apos;s month&quot;.</extracomment>
        <translation>Nella figura: %1.</translation>
    </message>
    <message>
        <source>Drawn: %1</source>
        <extracomment>Spoken to a screen reader when a button has drawn a figure: %1 is the figure, such as &quot;the Moon&apos;s line at 325 degrees, green&quot;.</extracomment>
        <translation>Disegnata ora: %1</translation>
    </message>
    <message>
        <source>the Moon&apos;s line at %1 degrees, green</source>
        <extracomment>A figure, in the drawing&apos;s description and in &quot;Drawn: %1&quot;: %1 is the position in degrees.</extracomment>
        <translation>la linea della Luna a %1 gradi, verde</translation>
    </message>
    <message>
        <source>the Sun&apos;s line at %1 degrees, red</source>
        <extracomment>A figure, in the drawing&apos;s description and in &quot;Drawn: %1&quot;: %1 is the position in degrees.</extracomment>
        <translation>la linea del Sole a %1 gradi, rossa</translation>
    </message>
    <message>
        <source>the ring of the %1 days of the Moon&apos;s month</source>
        <extracomment>A figure, in the drawing&apos;s description and in &quot;Drawn: %1&quot;: %1 is 28.</extracomment>
        <translation>l&apos;anello dei %1 giorni del mese lunare</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A box&apos;s tooltip of two sentences: %1 what the box shows, %2 that the buttons do not read it.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Joins two figures in a list of what is drawn: %1 the list so far, %2 the next figure.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Form3a</source>
        <extracomment>The title of the drawing window, a name the window was given in its design.</extracomment>
        <translation>Form3a</translation>
    </message>
    <message>
        <source>Phase of the Moon</source>
        <translation>Fase della Luna</translation>
    </message>
    <message>
        <source>Position of Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Position of Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Moon&apos;s line</source>
        <translation>Linea Luna</translation>
    </message>
    <message>
        <source>Sun&apos;s line</source>
        <translation>Linea Sole</translation>
    </message>
    <message>
        <source>Moon&apos;s Phase</source>
        <translation>Fase Luna</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>Picture: %1.</source>
        <extracomment>Below each picture of the guide, its description; %1 is the description.</extracomment>
        <translation>Immagine: %1.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Guide to %1</source>
        <extracomment>The Help window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Guida: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>The guide&apos;s sections: choose one to read it.</source>
        <translation>Le sezioni della guida: scegline una per leggerla.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensione reale</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The guide cannot be shown: %1

%2</source>
        <extracomment>%1 says what is wrong with the guide&apos;s file, %2 is the file&apos;s name.</extracomment>
        <translation>Non è possibile mostrare la guida: %1

%2</translation>
    </message>
    <message>
        <source>the file is missing.</source>
        <translation>il file non c&apos;è.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>il file è vuoto.</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guida</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>A number is too large to work with, or the arithmetic on it went beyond what the program can count.</source>
        <translation>Un numero è troppo grande per lavorarci, oppure il calcolo ha superato quello che il programma sa contare.</translation>
    </message>
    <message>
        <source>No answer was written: the field it would have gone to keeps its text. Type a smaller number and press the button again.</source>
        <translation>Non è stata scritta nessuna risposta: il campo che l&apos;avrebbe ricevuta mantiene il suo testo. Scrivi un numero più piccolo e premi di nuovo il pulsante.</translation>
    </message>
    <message>
        <source>The picture could not be loaded: the file is not there.</source>
        <translation>Non è stato possibile caricare l&apos;immagine: il file non c&apos;è.</translation>
    </message>
    <message>
        <source>The picture already shown stays. Put a copy of the file in its place and try again.</source>
        <translation>L&apos;immagine già mostrata resta. Metti una copia del file al suo posto e riprova.</translation>
    </message>
    <message>
        <source>The picture could not be loaded.</source>
        <translation>Non è stato possibile caricare l&apos;immagine.</translation>
    </message>
    <message>
        <source>The picture already shown stays. Put a good copy of the file in its place and try again.</source>
        <translation>L&apos;immagine già mostrata resta. Metti al suo posto una copia integra del file e riprova.</translation>
    </message>
    <message>
        <source>Something went wrong inside the program.</source>
        <translation>Qualcosa non ha funzionato all&apos;interno del programma.</translation>
    </message>
    <message>
        <source>Nothing was changed, and the program goes on. If it happens again, please report it with the details.</source>
        <translation>Non è cambiato nulla e il programma continua. Se succede di nuovo, segnalalo insieme ai dettagli.</translation>
    </message>
</context>
<context>
    <name>PresentationBox</name>
    <message>
        <source>Linked presentation (%1):
%2
The presentation is not included with this program. Double-click to open it if you have a copy in your data folder:
%3</source>
        <translation>Presentazione collegata (%1):
%2
La presentazione non è inclusa nel programma. Fai doppio clic per aprirla se ne hai una copia nella tua cartella dei dati:
%3</translation>
    </message>
    <message>
        <source>The presentation &quot;%1&quot; is not included with this program.</source>
        <translation>La presentazione &quot;%1&quot; non è inclusa nel programma.</translation>
    </message>
    <message>
        <source>To view the presentation, put a copy of the file in this folder:
%1</source>
        <translation>Per vedere la presentazione, metti una copia del file in questa cartella:
%1</translation>
    </message>
    <message>
        <source>Presentation not present</source>
        <translation>Presentazione non presente</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>No application on this desktop opens the presentation:
%1</source>
        <translation>Su questo desktop nessuna applicazione apre la presentazione:
%1</translation>
    </message>
    <message>
        <source>%1

(not included)</source>
        <translation>%1

(non inclusa)</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>the name leads to %1, %2, not a regular file</source>
        <extracomment>%1 is where a link leads, such as /dev/full; %2 says what it is, such as &quot;a device&quot;.</extracomment>
        <translation>il nome porta a %1, %2, non a un file normale</translation>
    </message>
    <message>
        <source>a folder</source>
        <extracomment>What a name that is not a regular file is, in &quot;the name leads to /dev/full, a device, not a regular file&quot;.</extracomment>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>qualcosa che non è un file semplice</translation>
    </message>
    <message>
        <source>a folder, not a regular file</source>
        <translation>una cartella, non un file normale</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>una pipe con nome, non un file normale</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>un dispositivo, non un file normale</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>un socket, non un file normale</translation>
    </message>
    <message>
        <source>not a plain file, not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is too large: %1, more than the %2 allowed</source>
        <extracomment>Why a file was refused: %1 is its size, %2 the largest allowed, such as &quot;64 MiB&quot;.</extracomment>
        <translation>il file è troppo grande: %1, più dei %2 ammessi</translation>
    </message>
    <message>
        <source>the file is too large: more than the %1 allowed</source>
        <extracomment>Why a file was refused: %1 is the largest size allowed, such as &quot;64 MiB&quot;.</extracomment>
        <translation>il file è troppo grande: più dei %1 ammessi</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call</source>
        <translation>Chiamata di procedura non valida</translation>
    </message>
    <message>
        <source>Object required</source>
        <translation>Oggetto richiesto</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What a message about a picture concerns: %1 is the file&apos;s path, %2 why it was refused.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso o al file</translation>
    </message>
    <message>
        <source>a folder, not a picture file</source>
        <translation>una cartella, non un file d&apos;immagine</translation>
    </message>
    <message>
        <source>the picture is too large: %1 × %2 pixels</source>
        <translation>l&apos;immagine è troppo grande: %1 × %2 pixel</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>The first lines of a message&apos;s details: %1 is the error&apos;s number, %2 its name, such as &quot;Overflow&quot;.</extracomment>
        <translation>Errore di run-time &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Stopped in %1.</source>
        <extracomment>The last line of a message&apos;s details: %1 is the procedure, such as Form1.Form_Load, a name in the code.</extracomment>
        <translation>Fermato in %1.</translation>
    </message>
    <message>
        <source>Stopped in %1 (the button &quot;%2&quot;).</source>
        <extracomment>The last line of a message&apos;s details: %1 is the procedure, such as Form1.Command1_Click, a name in the code; %2 is the caption of the button that was pressed.</extracomment>
        <translation>Fermato in %1 (il pulsante &quot;%2&quot;).</translation>
    </message>
    <message>
        <source>The value of the field &quot;%1&quot;, &quot;%2&quot; could not be used.</source>
        <extracomment>%1 is a field&apos;s caption, %2 the start of what it holds. One sentence of a message.</extracomment>
        <translation>Non è stato possibile usare il valore del campo &quot;%1&quot;, &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The values of the field &quot;%1&quot;, &quot;%2&quot; and the field &quot;%3&quot;, &quot;%4&quot; could not be used.</source>
        <extracomment>%1 and %3 are fields&apos; captions, %2 and %4 the start of what each holds.</extracomment>
        <translation>Non è stato possibile usare i valori del campo &quot;%1&quot;, &quot;%2&quot;, e del campo &quot;%3&quot;, &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>The values of the field &quot;%1&quot;, &quot;%2&quot; and the field &quot;%3&quot;, &quot;%4&quot; and the field &quot;%5&quot;, &quot;%6&quot; could not be used.</source>
        <extracomment>%1, %3 and %5 are fields&apos; captions, %2, %4 and %6 the start of what each holds.</extracomment>
        <translation>Non è stato possibile usare i valori del campo &quot;%1&quot;, &quot;%2&quot;, del campo &quot;%3&quot;, &quot;%4&quot;, e del campo &quot;%5&quot;, &quot;%6&quot;.</translation>
    </message>
</context>
<context>
    <name>TextBox</name>
    <message numerus="yes">
        <source>The text is too long for this field: it would hold %1 characters, and a field holds at most %2.

The field keeps its text.</source>
        <extracomment>%1 is the length the text would have, %2 the longest a field holds (4,096); the form follows %1.</extracomment>
        <translation>
            <numerusform>Il testo è troppo lungo per questo campo: avrebbe %1 carattere, e un campo ne contiene al massimo %2.

Il campo mantiene il suo testo.</numerusform>
            <numerusform>Il testo è troppo lungo per questo campo: avrebbe %1 caratteri, e un campo ne contiene al massimo %2.

Il campo mantiene il suo testo.</numerusform>
        </translation>
    </message>
</context>
</TS>
