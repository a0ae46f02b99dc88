<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessDialog</name>
    <message>
        <source>Left mouse button</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Middle mouse button</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Back mouse button</source>
        <translation>Maustaste „Zurück“</translation>
    </message>
    <message>
        <source>Forward mouse button</source>
        <translation>Maustaste „Vorwärts“</translation>
    </message>
    <message>
        <source>No mouse button</source>
        <translation>Keine Maustaste</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a number of milliseconds</extracomment>
        <translation> ms</translation>
    </message>
</context>
<context>
    <name>AccessSettings</name>
    <message>
        <source>The step switch and the choose switch send the same key. Give each switch its own key.</source>
        <translation>Der Weiter-Taster und der Auswahl-Taster senden dieselbe Taste. Geben Sie jedem Taster eine eigene Taste.</translation>
    </message>
    <message>
        <source>The step switch and the choose switch use the same mouse button. Give each switch its own button, or none.</source>
        <translation>Der Weiter-Taster und der Auswahl-Taster nutzen dieselbe Maustaste. Geben Sie jedem Taster eine eigene Maustaste oder keine.</translation>
    </message>
</context>
<context>
    <name>AddPictureCommand</name>
    <message>
        <source>Usage: tessarine --add-picture FILE --as OBJECT.CATEGORY.VALUE [--collection FOLDER]</source>
        <extracomment>The command line&apos;s form: the program&apos;s name and the options stay as they are</extracomment>
        <translation>Aufruf: tessarine --add-picture DATEI --as OBJEKT.KATEGORIE.WERT [--collection ORDNER]</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option such as --as</extracomment>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>One picture at a time: %1 is one too many.</source>
        <extracomment>%1 is a second picture file given on the command line</extracomment>
        <translation>Nur ein Bild auf einmal: %1 ist eines zu viel.</translation>
    </message>
    <message>
        <source>Which picture? Name its file.</source>
        <translation>Welches Bild? Geben Sie seine Datei an.</translation>
    </message>
    <message>
        <source>Give the picture its name with --as, as in --as cup.colour.red.</source>
        <extracomment>--as is the option&apos;s name; the example is a file name&apos;s three parts, object, category and value</extracomment>
        <translation>Geben Sie dem Bild mit --as seinen Namen, etwa --as cup.colour.red.</translation>
    </message>
</context>
<context>
    <name>AudioOutputs</name>
    <message>
        <source>This computer has no sound output, so no sound will be heard. Connect speakers or headphones, or switch the sound on in the computer&apos;s settings, then start Tessarine again.</source>
        <translation>Dieser Computer hat keine Tonausgabe, daher ist kein Ton zu hören. Schließen Sie Lautsprecher oder Kopfhörer an oder schalten Sie den Ton in den Einstellungen des Computers ein, und starten Sie Tessarine dann neu.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Checks the pictures and sounds of a Tessarine program folder the way the exercise reads them, and
tells, per file, what will happen in the exercise and how to fix it: object pictures without their
symbol or attribute, names with too few parts, option settings under which a set stops with an
error, pictures that cannot be loaded or are never shown, folders over 1000 pictures, missing
sounds.

Exit status: 0 every set works and nothing was found; 1 something was found; 2 the folder cannot
be read, the sheet cannot be written or the command line is wrong.</source>
        <translation>Prüft die Bilder und Töne eines Tessarine-Programmordners so, wie die Übung sie liest, und sagt
pro Datei, was in der Übung geschehen wird und wie es sich beheben lässt: Objektbilder ohne ihr
Symbol oder Merkmal, Namen mit zu wenigen Teilen, Optionen, unter denen eine Runde mit einem Fehler
abbricht, Bilder, die sich nicht laden lassen oder nie gezeigt werden, Ordner mit über 1000 Bildern,
fehlende Töne.

Exit-Status: 0 jede Runde funktioniert und nichts wurde gefunden; 1 etwas wurde gefunden; 2 der Ordner
ist nicht lesbar, das Blatt kann nicht geschrieben werden oder die Befehlszeile ist falsch.</translation>
    </message>
    <message>
        <source>Usage: %1 (--help tells more)</source>
        <extracomment>%1 is how the command is written: keep it as it is</extracomment>
        <translation>Aufruf: %1 (--help sagt mehr)</translation>
    </message>
    <message>
        <source>Print the findings as JSON (schema &quot;tessarine-check/1&quot;) instead of text.</source>
        <translation>Die Befunde als JSON (Schema &quot;tessarine-check/1&quot;) statt als Text ausgeben.</translation>
    </message>
    <message>
        <source>Also write a printable A4 sheet with one row per object picture: the picture, its caption, its symbol and its attribute, problems marked in colour.</source>
        <translation>Zusätzlich ein druckbares A4-Blatt schreiben, mit einer Zeile pro Objektbild: das Bild, seine Beschriftung, sein Symbol und sein Merkmal, Probleme farbig markiert.</translation>
    </message>
    <message>
        <source>The folder that holds the Images, Symbols, Attributes and Sounds folders; without it the collection the program uses, as chosen in its options window (the program&apos;s own folder when none was chosen).</source>
        <translation>Der Ordner, der die Ordner Images, Symbols, Attributes und Sounds enthält; ohne ihn die Sammlung, die das Programm verwendet, wie im Optionsfenster gewählt (der Programmordner selbst, wenn keine gewählt wurde).</translation>
    </message>
    <message>
        <source>One --sheet at a time.</source>
        <translation>Nur ein --sheet auf einmal.</translation>
    </message>
    <message>
        <source>--sheet needs the name of the PDF file to write.</source>
        <translation>--sheet braucht den Namen der zu schreibenden PDF-Datei.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>Der Ordnername ist leer.</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Blatt gespeichert in %1</translation>
    </message>
    <message numerus="yes">
        <source>One folder at a time, not %n: &quot;%1&quot;.</source>
        <extracomment>%1 is the folders given, in quotes</extracomment>
        <translation>
            <numerusform>Nur ein Ordner auf einmal, nicht %n: &quot;%1&quot;.</numerusform>
            <numerusform>Nur ein Ordner auf einmal, nicht %n: &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <source>%1 on</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>eingeschalteter Option %1</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>ausgeschalteter Option %1</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>the options under which a finding holds: all of them</extracomment>
        <translation>Immer</translation>
    </message>
    <message>
        <source>With %1</source>
        <extracomment>%1, %2 and %3 name options, each as it is set (&quot;on&quot;, &quot;off&quot;, or a choice)</extracomment>
        <translation>Bei %1</translation>
    </message>
    <message>
        <source>With %1 and %2</source>
        <translation>Bei %1 und %2</translation>
    </message>
    <message>
        <source>With %1 and %2 and %3</source>
        <translation>Bei %1, %2 und %3</translation>
    </message>
</context>
<context>
    <name>CollectionChoice</name>
    <message>
        <source>The pictures chosen before, in %1, are no longer there (was the folder moved, renamed or on a disk that is not plugged in?). The program&apos;s own pictures are used instead.</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>Die zuvor gewählten Bilder in %1 sind nicht mehr da (wurde der Ordner verschoben oder umbenannt, oder liegt er auf einem nicht angeschlossenen Laufwerk?). Stattdessen werden die mitgelieferten Bilder verwendet.</translation>
    </message>
</context>
<context>
    <name>CollectionEditor</name>
    <message>
        <source>Could not write %1: %2.</source>
        <extracomment>%1 is a file or folder, %2 why it could not be written</extracomment>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The part of the picture to keep is empty.</source>
        <translation>Der zu behaltende Bildausschnitt ist leer.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>Ends &quot;Could not write ...: &quot;; %1 is the path in the way</extracomment>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>this folder may not be written here</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>dieser Ordner darf hier nicht beschrieben werden</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Which object is to be renamed? None was named.</source>
        <translation>Welches Objekt soll umbenannt werden? Es wurde keines angegeben.</translation>
    </message>
    <message>
        <source>Which category is to be renamed? None was named.</source>
        <translation>Welche Kategorie soll umbenannt werden? Es wurde keine angegeben.</translation>
    </message>
    <message>
        <source>Which value is to be renamed? None was named.</source>
        <translation>Welcher Wert soll umbenannt werden? Es wurde keiner angegeben.</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>eine Datei dieses Namens gibt es bereits</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. Nothing was renamed.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why it could not be renamed</extracomment>
        <translation>%1 konnte nicht in %2 umbenannt werden: %3. Es wurde nichts umbenannt.</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. These files kept their new names: %4.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why, %4 the files that kept their new names</extracomment>
        <translation>%1 konnte nicht in %2 umbenannt werden: %3. Diese Dateien haben ihre neuen Namen behalten: %4.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash; it was left where it is.</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden; die Datei bleibt, wo sie ist.</translation>
    </message>
</context>
<context>
    <name>Collections</name>
    <message>
        <source>The picture %1 could not be copied into the new collection.</source>
        <translation>Das Bild %1 konnte nicht in die neue Sammlung kopiert werden.</translation>
    </message>
    <message>
        <source>Program&apos;s own pictures</source>
        <extracomment>The collection of pictures that comes with the program, first in the &quot;Pictures&quot; list</extracomment>
        <translation>Mitgelieferte Bilder</translation>
    </message>
    <message>
        <source>A new collection needs a name.</source>
        <translation>Eine neue Sammlung braucht einen Namen.</translation>
    </message>
    <message>
        <source>The name of a collection cannot hold a slash: &quot;%1&quot;.</source>
        <translation>Der Name einer Sammlung darf keinen Schrägstrich enthalten: „%1“.</translation>
    </message>
    <message>
        <source>The name of a collection cannot start with a dot: &quot;%1&quot;.</source>
        <translation>Der Name einer Sammlung darf nicht mit einem Punkt beginnen: „%1“.</translation>
    </message>
    <message>
        <source>There is already a collection named &quot;%1&quot;.</source>
        <translation>Es gibt bereits eine Sammlung namens „%1“.</translation>
    </message>
    <message>
        <source>The folder for collections, %1, could not be made.</source>
        <translation>Der Ordner für Sammlungen, %1, konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The collection &quot;%1&quot; could not be made in %2.</source>
        <translation>Die Sammlung „%1“ konnte nicht in %2 angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tessarine --export-records LEARNER FILE.csv</source>
        <extracomment>The command and its option stay as they are; LEARNER and FILE.csv say what to write there</extracomment>
        <translation>Aufruf: tessarine --export-records LERNER DATEI.csv</translation>
    </message>
</context>
<context>
    <name>DirectoryListing</name>
    <message>
        <source>Invalid file pattern: %1</source>
        <translation>Ungültiges Dateimuster: %1</translation>
    </message>
    <message>
        <source>Folder cannot be read: %1</source>
        <translation>Ordner kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>DistractorFindings</name>
    <message>
        <source>No symbol that could be shown as the wrong choice can be loaded (%1).</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>Kein Symbol, das als falsche Wahl gezeigt werden könnte, lässt sich laden (%1).</translation>
    </message>
    <message>
        <source>No attribute that could be shown as the wrong choice can be loaded (%1).</source>
        <translation>Kein Merkmal, das als falsche Wahl gezeigt werden könnte, lässt sich laden (%1).</translation>
    </message>
    <message>
        <source>Replace the pictures that cannot be loaded (see below).</source>
        <translation>Ersetzen Sie die Bilder, die sich nicht laden lassen (siehe unten).</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with the error of the picture drawn.</source>
        <translation>%1 bricht die Runde mittendrin mit dem Fehler des gezogenen Bildes ab.</translation>
    </message>
    <message>
        <source>%1, the exercise gives up after %2 draws that miss, so the set can stop half-way with error 550 %3 (%4).</source>
        <extracomment>%1 names the options, %2 is a number of draws, %3 the exercise&apos;s error message, %4 how often</extracomment>
        <translation>%1 gibt die Übung nach %2 erfolglosen Ziehungen auf, sodass die Runde mittendrin mit Fehler 550 %3 abbrechen kann (%4).</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects.</source>
        <translation>Fügen Sie Symbolbilder für andere Objekte hinzu.</translation>
    </message>
    <message>
        <source>Add attributes with other values to the category &quot;%1&quot;.</source>
        <translation>Fügen Sie der Kategorie „%1“ Merkmale mit anderen Werten hinzu.</translation>
    </message>
    <message>
        <source>Add attributes with other values.</source>
        <translation>Fügen Sie Merkmale mit anderen Werten hinzu.</translation>
    </message>
    <message>
        <source>There is no symbol with another name to show as the wrong choice: every symbol picture is a &quot;%1&quot;.</source>
        <translation>Es gibt kein Symbol mit anderem Namen, das als falsche Wahl gezeigt werden kann: Jedes Symbolbild ist ein „%1“.</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects, or turn off %1.</source>
        <translation>Fügen Sie Symbolbilder für andere Objekte hinzu oder schalten Sie %1 aus.</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>Es gibt überhaupt kein Merkmal der Kategorie „%1“.</translation>
    </message>
    <message>
        <source>%1, %2 (the exercise tries to load the Attributes folder itself as a picture).</source>
        <translation>%1 %2 (die Übung versucht, den Ordner Attributes selbst als Bild zu laden).</translation>
    </message>
    <message>
        <source>Add attribute pictures %1.VALUE.jpg for at least two values, or choose %2.</source>
        <translation>Fügen Sie Merkmalbilder %1.WERT.jpg für mindestens zwei Werte hinzu oder wählen Sie %2.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has no other value than &quot;%2&quot; to show as the wrong choice.</source>
        <translation>Die Kategorie „%1“ hat keinen anderen Wert als „%2“, der als falsche Wahl gezeigt werden kann.</translation>
    </message>
    <message>
        <source>Add another attribute of this category (for example %1), or choose %2.</source>
        <translation>Fügen Sie ein weiteres Merkmal dieser Kategorie hinzu (zum Beispiel %1) oder wählen Sie %2.</translation>
    </message>
    <message>
        <source>Every attribute carries the value &quot;%1&quot;, so there is none to show as the wrong choice.</source>
        <translation>Jedes Merkmal hat den Wert „%1“, daher gibt es keines, das als falsche Wahl gezeigt werden kann.</translation>
    </message>
    <message>
        <source>Add an attribute with another value, or turn off %1.</source>
        <translation>Fügen Sie ein Merkmal mit einem anderen Wert hinzu oder schalten Sie %1 aus.</translation>
    </message>
    <message numerus="yes">
        <source>Of the %n symbol(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <extracomment>%1 is how many of them can serve</extracomment>
        <translation>
            <numerusform>Von dem %n Symbol, aus dem die falsche Wahl gezogen wird, ist nur %1 brauchbar.</numerusform>
            <numerusform>Von den %n Symbolen, aus denen die falsche Wahl gezogen wird, sind nur %1 brauchbar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %n attribute(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <translation>
            <numerusform>Von dem %n Merkmal, aus dem die falsche Wahl gezogen wird, ist nur %1 brauchbar.</numerusform>
            <numerusform>Von den %n Merkmalen, aus denen die falsche Wahl gezogen wird, sind nur %1 brauchbar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Error &quot;%1&quot; in %2() function</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the function, kept as it is</extracomment>
        <translation>Fehler „%1“ in der Funktion %2()</translation>
    </message>
    <message>
        <source>Error &quot;%1&quot; in %2() routine</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the routine, kept as it is</extracomment>
        <translation>Fehler „%1“ in der Routine %2()</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <extracomment>%1 is the error&apos;s number, %2 what went wrong</extracomment>
        <translation>Laufzeitfehler &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>ExerciseSession</name>
    <message>
        <source>No object picture has the chosen targets: all the pictures are drawn</source>
        <translation>Kein Objektbild hat die gewählten Lernziele: Es werden alle Bilder verwendet</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>This is a folder inside %1; the pictures in it are never looked at.</source>
        <translation>Dies ist ein Ordner in %1; die Bilder darin werden nie berücksichtigt.</translation>
    </message>
    <message>
        <source>None of its pictures is ever shown.</source>
        <translation>Keines seiner Bilder wird je gezeigt.</translation>
    </message>
    <message>
        <source>Move the pictures you want into the %1 folder itself.</source>
        <translation>Verschieben Sie die gewünschten Bilder direkt in den Ordner %1.</translation>
    </message>
    <message>
        <source>There is already a %1 in %2: keep the one you want, or give this one a name of its own.</source>
        <translation>In %2 gibt es bereits %1: Behalten Sie die gewünschte Datei oder geben Sie dieser einen eigenen Namen.</translation>
    </message>
    <message>
        <source>This file is hidden (its name starts with a full stop).</source>
        <translation>Diese Datei ist versteckt (ihr Name beginnt mit einem Punkt).</translation>
    </message>
    <message>
        <source>Hidden files are never listed, so this picture is never shown.</source>
        <translation>Versteckte Dateien werden nie aufgelistet, daher wird dieses Bild nie gezeigt.</translation>
    </message>
    <message>
        <source>Rename it without the leading full stop, to %1.</source>
        <translation>Benennen Sie sie ohne den Punkt am Anfang um, in %1.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in &quot;.%1&quot;.</source>
        <translation>Nur Bilder, deren Namen auf „.jpg“ enden, werden verwendet; dieses endet auf „.%1“.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in a blank.</source>
        <translation>Nur Bilder, deren Namen auf „.jpg“ enden, werden verwendet; dieses endet auf ein Leerzeichen.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one has no ending at all.</source>
        <translation>Nur Bilder, deren Namen auf „.jpg“ enden, werden verwendet; dieses hat gar keine Endung.</translation>
    </message>
    <message>
        <source>This picture is never shown.</source>
        <translation>Dieses Bild wird nie gezeigt.</translation>
    </message>
    <message>
        <source>It is a JPEG picture: rename it to %1.</source>
        <translation>Es ist ein JPEG-Bild: Benennen Sie es in %1 um.</translation>
    </message>
    <message>
        <source>Save it as a JPEG picture named %1 (in a picture editor: &quot;Save as&quot;, JPEG).</source>
        <translation>Speichern Sie es als JPEG-Bild namens %1 (in einem Bildbearbeitungsprogramm: „Speichern unter“, JPEG).</translation>
    </message>
    <message>
        <source>The %1 folder is missing.</source>
        <translation>Der Ordner %1 fehlt.</translation>
    </message>
    <message>
        <source>Create a folder named %1 (with this spelling) beside the program and put your pictures in it.</source>
        <translation>Legen Sie neben dem Programm einen Ordner namens %1 an (genau so geschrieben) und legen Sie Ihre Bilder hinein.</translation>
    </message>
    <message>
        <source>The %1 folder cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder (for example: chmod a+rx %1).</source>
        <translation>Geben Sie allen Benutzern Leserechte für den Ordner (zum Beispiel: chmod a+rx %1).</translation>
    </message>
    <message>
        <source>The %1 folder holds no .jpg picture.</source>
        <translation>Der Ordner %1 enthält kein .jpg-Bild.</translation>
    </message>
    <message>
        <source>Put your pictures, saved as .jpg, into the %1 folder.</source>
        <translation>Legen Sie Ihre Bilder, als .jpg gespeichert, in den Ordner %1.</translation>
    </message>
    <message>
        <source>the set stops half-way</source>
        <translation>bricht die Runde mittendrin ab</translation>
    </message>
    <message>
        <source>No set can be shown: when the exercise opens, %1.</source>
        <translation>Es kann keine Runde gezeigt werden: Beim Öffnen der Übung %1.</translation>
    </message>
    <message>
        <source>No set has a right symbol, and with %1 on %2.</source>
        <translation>Keine Runde hat ein richtiges Symbol, und bei eingeschalteter Option %1 %2.</translation>
    </message>
    <message>
        <source>No set has a right attribute, and with %1 on %2.</source>
        <translation>Keine Runde hat ein richtiges Merkmal, und bei eingeschalteter Option %1 %2.</translation>
    </message>
    <message>
        <source>The exercise also shows the message %1 when it opens.</source>
        <translation>Die Übung zeigt beim Öffnen außerdem die Meldung %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n time(s), once for each of them</source>
        <translation>
            <numerusform>%n-mal, einmal für jedes davon</numerusform>
            <numerusform>%n-mal, einmal für jedes davon</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep at most %1 pictures in %2; move the others to a folder of their own and swap them in when needed.</source>
        <translation>Behalten Sie höchstens %1 Bilder in %2; verschieben Sie die anderen in einen eigenen Ordner und tauschen Sie sie bei Bedarf aus.</translation>
    </message>
    <message>
        <source>The Sounds folder is missing.</source>
        <translation>Der Ordner Sounds fehlt.</translation>
    </message>
    <message>
        <source>Create a folder named Sounds beside the program with the wave files ok.wav and error.wav.</source>
        <translation>Legen Sie neben dem Programm einen Ordner namens Sounds mit den Wave-Dateien ok.wav und error.wav an.</translation>
    </message>
    <message>
        <source>The Sounds folder cannot be read (%1).</source>
        <translation>Der Ordner Sounds kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen.</source>
        <translation>Es kann kein Rückmeldeton gewählt werden.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder.</source>
        <translation>Geben Sie allen Benutzern Leserechte für den Ordner.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no right-answer sound is chosen, so a right-answer click is silent.</source>
        <translation>Beim ersten Start (oder wenn der gewählte Ton verschwunden ist) ist kein Ton für richtige Antworten gewählt, daher bleibt ein Klick auf die richtige Antwort stumm.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no wrong-answer sound is chosen, so a wrong-answer click is silent.</source>
        <translation>Beim ersten Start (oder wenn der gewählte Ton verschwunden ist) ist kein Ton für falsche Antworten gewählt, daher bleibt ein Klick auf eine falsche Antwort stumm.</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>%1 kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>Chosen as a feedback sound, it is not heard, and the learner gets no answer.</source>
        <translation>Als Rückmeldeton gewählt, ist er nicht zu hören, und der Lerner bekommt keine Rückmeldung.</translation>
    </message>
    <message>
        <source>Save it again as a PCM wave file (WAV, 16 bit), or choose another sound.</source>
        <translation>Speichern Sie ihn erneut als PCM-Wave-Datei (WAV, 16 Bit) oder wählen Sie einen anderen Ton.</translation>
    </message>
    <message>
        <source>There is no %1 in the Sounds folder.</source>
        <translation>Im Ordner Sounds gibt es kein %1.</translation>
    </message>
    <message>
        <source>Add a wave file named %1, or choose another sound in the options window.</source>
        <translation>Fügen Sie eine Wave-Datei namens %1 hinzu oder wählen Sie im Optionsfenster einen anderen Ton.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 folder holds %n picture(s); only the first %2 (in name order) are used.</source>
        <extracomment>%1 is a folder&apos;s name, %2 the most pictures the exercise lists</extracomment>
        <translation>
            <numerusform>Der Ordner %1 enthält %n Bild; nur die ersten %2 (nach Namen sortiert) werden verwendet.</numerusform>
            <numerusform>Der Ordner %1 enthält %n Bilder; nur die ersten %2 (nach Namen sortiert) werden verwendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) never shown (%1), and every time the exercise opens it shows the error message %2 %3.</source>
        <extracomment>%1 is a list of file names, %2 the exercise&apos;s error message, %3 how often it is shown</extracomment>
        <translation>
            <numerusform>%n Bild wird nie gezeigt (%1), und jedes Mal, wenn die Übung geöffnet wird, zeigt sie die Fehlermeldung %2 %3.</numerusform>
            <numerusform>%n Bilder werden nie gezeigt (%1), und jedes Mal, wenn die Übung geöffnet wird, zeigt sie die Fehlermeldung %2 %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>how often the exercise shows an error message</extracomment>
        <translation>einmal</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen: both sound lists offer only &quot;%1&quot;.</source>
        <translation>Es kann kein Rückmeldeton gewählt werden: Beide Tonlisten bieten nur „%1“.</translation>
    </message>
</context>
<context>
    <name>HeifReader</name>
    <message>
        <source>too large</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>no picture data</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>keine Bilddaten</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;; %1 by %2 are the picture&apos;s width and height</extracomment>
        <translation>nicht genug Speicher für %1 × %2</translation>
    </message>
</context>
<context>
    <name>ImportPanel</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>too large to decode at %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>zu groß zum Dekodieren bei %1 × %2</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>nicht genug Speicher für %1 × %2</translation>
    </message>
</context>
<context>
    <name>KeyCaptureButton</name>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key&apos;s name on a button</extracomment>
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>ListFindings</name>
    <message>
        <source>Its name differs from %1 only in capital and small letters.</source>
        <translation>Sein Name unterscheidet sich von %1 nur in der Groß- und Kleinschreibung.</translation>
    </message>
    <message>
        <source>Names are compared without regard to capitals, so only %1 is ever shown as the right answer. Copied to a memory stick or a Windows computer, one file would also replace the other.</source>
        <translation>Namen werden ohne Rücksicht auf Groß- und Kleinschreibung verglichen, daher wird nur %1 je als richtige Antwort gezeigt. Auf einen USB-Stick oder einen Windows-Computer kopiert, würde außerdem eine Datei die andere ersetzen.</translation>
    </message>
    <message>
        <source>Both are shown, but copied to a memory stick or a Windows computer one file would replace the other.</source>
        <translation>Beide werden gezeigt, aber auf einen USB-Stick oder einen Windows-Computer kopiert, würde eine Datei die andere ersetzen.</translation>
    </message>
    <message>
        <source>Delete one of the two, or give them different names.</source>
        <translation>Löschen Sie eine der beiden Dateien oder geben Sie ihnen verschiedene Namen.</translation>
    </message>
    <message>
        <source>It has the same symbol name as %1, which comes first.</source>
        <translation>Es hat denselben Symbolnamen wie %1, das zuerst kommt.</translation>
    </message>
    <message>
        <source>It has the same category and value as %1, which comes first.</source>
        <translation>Es hat dieselbe Kategorie und denselben Wert wie %1, das zuerst kommt.</translation>
    </message>
    <message>
        <source>Only %1 is ever shown as the right answer (for %2); this picture only ever appears as a distractor in other sets.</source>
        <translation>Nur %1 wird je als richtige Antwort gezeigt (für %2); dieses Bild erscheint nur als Distraktor in anderen Runden.</translation>
    </message>
    <message>
        <source>Keep only the picture you want, or give this one a name of its own.</source>
        <translation>Behalten Sie nur das gewünschte Bild oder geben Sie diesem einen eigenen Namen.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; attribute pictures need two: category.value.jpg.</source>
        <translation>Der Name hat vor „.jpg“ nur einen Teil; Merkmalbilder brauchen zwei: kategorie.wert.jpg.</translation>
    </message>
    <message>
        <source>It is read as the category &quot;%1&quot; with the value &quot;jpg&quot;, so it is the right answer of no picture.</source>
        <translation>Es wird als Kategorie „%1“ mit dem Wert „jpg“ gelesen und ist daher für kein Bild die richtige Antwort.</translation>
    </message>
    <message>
        <source>Rename it to category.value.jpg, for example %1.</source>
        <translation>Benennen Sie es in kategorie.wert.jpg um, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Every set with %1 %2.</source>
        <translation>Für %1 %2.</translation>
    </message>
    <message>
        <source>%1, other sets stop the same way whenever this picture is drawn as the wrong choice.</source>
        <translation>%1 brechen andere Runden ebenso ab, wann immer dieses Bild als falsche Wahl gezogen wird.</translation>
    </message>
    <message>
        <source>It is not used in any set at the moment, but would stop any set it is shown in.</source>
        <translation>Es wird derzeit in keiner Runde verwendet, würde aber jede Runde abbrechen, in der es gezeigt wird.</translation>
    </message>
</context>
<context>
    <name>MediaChecker</name>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>Es gibt keinen Ordner %1.</translation>
    </message>
    <message>
        <source>Nothing can be checked.</source>
        <translation>Es kann nichts geprüft werden.</translation>
    </message>
    <message>
        <source>Give the folder that holds the program and its Images, Symbols, Attributes and Sounds folders.</source>
        <translation>Geben Sie den Ordner an, der das Programm und seine Ordner Images, Symbols, Attributes und Sounds enthält.</translation>
    </message>
</context>
<context>
    <name>NameHints</name>
    <message>
        <source>Is the category &quot;%1&quot; a spelling slip for %2?</source>
        <extracomment>%1 is a part of a file name, %2 a list of names like it</extracomment>
        <translation>Ist die Kategorie „%1“ ein Tippfehler für %2?</translation>
    </message>
    <message>
        <source>Is the value &quot;%1&quot; a spelling slip for %2?</source>
        <translation>Ist der Wert „%1“ ein Tippfehler für %2?</translation>
    </message>
    <message>
        <source>Symbols/%1 is there, but it is never used (see below).</source>
        <translation>Symbols/%1 ist vorhanden, wird aber nie verwendet (siehe unten).</translation>
    </message>
    <message>
        <source>Is it a spelling slip for %1?</source>
        <comment>%1 is a list of file names</comment>
        <translation>Ist es ein Tippfehler für %1?</translation>
    </message>
    <message>
        <source>Attributes/%1 is there, but it is never used (see below).</source>
        <translation>Attributes/%1 ist vorhanden, wird aber nie verwendet (siehe unten).</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>Es gibt überhaupt kein Merkmal der Kategorie „%1“.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has: %2.</source>
        <comment>%2 is a list of values</comment>
        <translation>Die Kategorie „%1“ hat: %2.</translation>
    </message>
</context>
<context>
    <name>ObjectAnalysis</name>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <translation>Die Aufnahme %1 kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>With the spoken caption on, the synthetic voice speaks instead, and the first set with this picture shows an error message.</source>
        <translation>Wird die Beschriftung vorgelesen, spricht stattdessen die synthetische Stimme, und die erste Runde mit diesem Bild zeigt eine Fehlermeldung.</translation>
    </message>
    <message>
        <source>Record it again and save it as a PCM wave file (WAV, 16 bit).</source>
        <translation>Nehmen Sie sie erneut auf und speichern Sie sie als PCM-Wave-Datei (WAV, 16 Bit).</translation>
    </message>
</context>
<context>
    <name>ObjectFindings</name>
    <message>
        <source>Whenever this picture is drawn, %1.</source>
        <translation>Immer wenn dieses Bild gezogen wird, %1.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>Der Name hat vor „.jpg“ nur einen Teil; Objektbilder brauchen drei: symbol.kategorie.wert.jpg.</translation>
    </message>
    <message>
        <source>The name has only two parts before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>Der Name hat vor „.jpg“ nur zwei Teile; Objektbilder brauchen drei: symbol.kategorie.wert.jpg.</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg, for example %1.</source>
        <translation>Benennen Sie es in symbol.kategorie.wert.jpg um, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>The name has an empty part (two full stops in a row).</source>
        <translation>Der Name hat einen leeren Teil (zwei Punkte hintereinander).</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg with one full stop between the parts.</source>
        <translation>Benennen Sie es in symbol.kategorie.wert.jpg um, mit einem Punkt zwischen den Teilen.</translation>
    </message>
    <message>
        <source>The caption reads %1 (the extension is taken for the value), and only an attribute named %2.jpg would match.</source>
        <extracomment>%1 is the caption as the exercise shows it, %2 the second part of the picture&apos;s name</extracomment>
        <translation>Die Beschriftung lautet %1 (die Endung wird als Wert genommen), und nur ein Merkmal namens %2.jpg würde passen.</translation>
    </message>
    <message numerus="yes">
        <source>The caption reads %1. The exercise shows two error messages %2 each time it reads the missing third part: %n message(s) every time this picture comes up, and more with %3 on.</source>
        <extracomment>%1 is the caption, %2 the exercise&apos;s error message, %3 the name of an option</extracomment>
        <translation>
            <numerusform>Die Beschriftung lautet %1. Die Übung zeigt jedes Mal, wenn sie den fehlenden dritten Teil liest, zwei Fehlermeldungen %2: %n Meldung bei jedem Erscheinen dieses Bildes, und mehr bei eingeschalteter Option %3.</numerusform>
            <numerusform>Die Beschriftung lautet %1. Die Übung zeigt jedes Mal, wenn sie den fehlenden dritten Teil liest, zwei Fehlermeldungen %2: %n Meldungen bei jedem Erscheinen dieses Bildes, und mehr bei eingeschalteter Option %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The caption reads %1; an empty part matches no symbol or attribute.</source>
        <translation>Die Beschriftung lautet %1; ein leerer Teil passt zu keinem Symbol und keinem Merkmal.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer.</source>
        <translation>Die Merkmalreihe hat keine richtige Antwort.</translation>
    </message>
    <message>
        <source>There is no symbol picture for &quot;%1&quot;.</source>
        <translation>Es gibt kein Symbolbild für „%1“.</translation>
    </message>
    <message>
        <source>Add a symbol picture named %1.jpg to the Symbols folder (the first part of this picture&apos;s name).</source>
        <translation>Fügen Sie dem Ordner Symbols ein Symbolbild namens %1.jpg hinzu (der erste Teil des Namens dieses Bildes).</translation>
    </message>
    <message>
        <source>Its symbol %1 cannot be loaded.</source>
        <translation>Sein Symbol %1 lässt sich nicht laden.</translation>
    </message>
    <message>
        <source>Replace Symbols/%1 (see below).</source>
        <translation>Ersetzen Sie Symbols/%1 (siehe unten).</translation>
    </message>
    <message>
        <source>There is no attribute picture for &quot;%1&quot; &quot;%2&quot;.</source>
        <translation>Es gibt kein Merkmalbild für „%1“ „%2“.</translation>
    </message>
    <message>
        <source>Add an attribute picture named %1.%2.jpg to the Attributes folder, or rename this picture after an attribute that exists.</source>
        <translation>Fügen Sie dem Ordner Attributes ein Merkmalbild namens %1.%2.jpg hinzu oder benennen Sie dieses Bild nach einem vorhandenen Merkmal um.</translation>
    </message>
    <message>
        <source>Its attribute %1 cannot be loaded.</source>
        <translation>Sein Merkmal %1 lässt sich nicht laden.</translation>
    </message>
    <message>
        <source>Replace Attributes/%1 (see below).</source>
        <translation>Ersetzen Sie Attributes/%1 (siehe unten).</translation>
    </message>
    <message>
        <source>The symbol row has no right answer: with %1 off it stays blank, with it on only a wrong symbol is shown. With &quot;Use sequence&quot; on, the attribute row never appears, so the learner can only leave the set with &quot;%2&quot;.</source>
        <translation>Die Symbolreihe hat keine richtige Antwort: Bei ausgeschalteter Option %1 bleibt sie leer, bei eingeschalteter wird nur ein falsches Symbol gezeigt. Bei eingeschalteter Option „Erst Symbol, dann Merkmal“ erscheint die Merkmalreihe nie, sodass der Lerner die Runde nur mit „%2“ verlassen kann.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer (with %1 on only a wrong one is shown). With &quot;Use sequence&quot; on, the learner cannot finish the set: only &quot;%2&quot; leaves it.</source>
        <translation>Die Merkmalreihe hat keine richtige Antwort (bei eingeschalteter Option %1 wird nur eine falsche gezeigt). Bei eingeschalteter Option „Erst Symbol, dann Merkmal“ kann der Lerner die Runde nicht beenden: Nur „%2“ verlässt sie.</translation>
    </message>
</context>
<context>
    <name>OptionsLogic</name>
    <message>
        <source>*** NO SOUND ***</source>
        <extracomment>The first entry of both sound lists: play no sound</extracomment>
        <translation>*** KEIN TON ***</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Invalid picture %1 (%2)</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be loaded</extracomment>
        <translation>Ungültiges Bild %1 (%2)</translation>
    </message>
    <message>
        <source>too large: %1 by %2</source>
        <translation>zu groß: %1 × %2</translation>
    </message>
    <message>
        <source>not a readable picture</source>
        <translation>kein lesbares Bild</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>not a readable picture: %1</source>
        <translation>kein lesbares Bild: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>beschädigt: %1</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>The object is empty.</source>
        <translation>Das Objekt ist leer.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>Das Objekt „%1“ enthält einen Punkt; Punkte trennen nur die Teile.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>Das Objekt „%1“ enthält ein Zeichen, das in einem Dateinamen nicht stehen kann.</translation>
    </message>
    <message>
        <source>The category is empty.</source>
        <translation>Die Kategorie ist leer.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>Die Kategorie „%1“ enthält einen Punkt; Punkte trennen nur die Teile.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>Die Kategorie „%1“ enthält ein Zeichen, das in einem Dateinamen nicht stehen kann.</translation>
    </message>
    <message>
        <source>The value is empty.</source>
        <translation>Der Wert ist leer.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>Der Wert „%1“ enthält einen Punkt; Punkte trennen nur die Teile.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>Der Wert „%1“ enthält ein Zeichen, das in einem Dateinamen nicht stehen kann.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</source>
        <extracomment>The example is a file name&apos;s three parts; it may be given in the language&apos;s own words</extracomment>
        <translation>
            <numerusform>Der Name eines Bildes hat drei Teile, Objekt, Kategorie und Wert, wie in tasse.farbe.rot; dieser hat %n.</numerusform>
            <numerusform>Der Name eines Bildes hat drei Teile, Objekt, Kategorie und Wert, wie in tasse.farbe.rot; dieser hat %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PicturePrompts</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of patterns such as *.jpg</extracomment>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Neue Sammlung</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>A new collection with no pictures in it</extracomment>
        <translation>Leer</translation>
    </message>
    <message>
        <source>A copy of the program&apos;s sample pictures</source>
        <translation>Eine Kopie der mitgelieferten Beispielbilder</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The new collection&apos;s name</extracomment>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The title of the question</extracomment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>The program&apos;s own pictures cannot be changed on this computer.
Make a personal copy of them to change instead, named:</source>
        <translation>Die mitgelieferten Bilder können auf diesem Computer nicht geändert werden.
Legen Sie stattdessen eine eigene Kopie zum Ändern an, mit dem Namen:</translation>
    </message>
    <message>
        <source>New name of the object &quot;%1&quot;:</source>
        <translation>Neuer Name des Objekts „%1“:</translation>
    </message>
    <message>
        <source>New name of the category &quot;%1&quot;:</source>
        <translation>Neuer Name der Kategorie „%1“:</translation>
    </message>
    <message>
        <source>New name of the value &quot;%1&quot;:</source>
        <translation>Neuer Name des Werts „%1“:</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>The title of the question</extracomment>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>%1 is too large a picture (%2 by %3 pixels) to be read here.</source>
        <extracomment>%1 is the file, %2 by %3 its width and height</extracomment>
        <translation>%1 ist ein zu großes Bild (%2 × %3 Pixel), um hier gelesen zu werden.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation>%1 ist ein Ordner, kein Bild.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged, or is not the kind of picture its name says.</source>
        <translation>%1 ist beschädigt oder nicht die Art Bild, die sein Name angibt.</translation>
    </message>
    <message>
        <source>%1 is not a picture this computer can read.</source>
        <translation>%1 ist kein Bild, das dieser Computer lesen kann.</translation>
    </message>
    <message>
        <source>%1 is a damaged JPEG picture (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>%1 ist ein beschädigtes JPEG-Bild (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>%1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>%1 is a HEIC/HEIF picture that could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the reason libheif gives</extracomment>
        <translation>%1 ist ein HEIC/HEIF-Bild, das nicht gelesen werden konnte (%2).</translation>
    </message>
    <message>
        <source>%1 is damaged (%2).</source>
        <extracomment>%1 is the file, %2 the reader&apos;s reason</extracomment>
        <translation>%1 ist beschädigt (%2).</translation>
    </message>
</context>
<context>
    <name>PicturesWindow</name>
    <message>
        <source>My pictures</source>
        <extracomment>The name suggested for a teacher&apos;s own copy of the program&apos;s pictures; it becomes a folder&apos;s name</extracomment>
        <translation>Meine Bilder</translation>
    </message>
    <message>
        <source>My pictures %1</source>
        <extracomment>The same when &quot;My pictures&quot; is taken; %1 is 2, 3, ...</extracomment>
        <translation>Meine Bilder %1</translation>
    </message>
</context>
<context>
    <name>PromptFrame</name>
    <message>
        <source>Prompt</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Hilfestellung</translation>
    </message>
</context>
<context>
    <name>QtMicrophone</name>
    <message>
        <source>This computer has no microphone to record with</source>
        <translation>Dieser Computer hat kein Mikrofon zum Aufnehmen</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot record 16-bit sound</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>Das Mikrofon „%1“ kann keinen 16-Bit-Ton aufnehmen</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be used now</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>Das Mikrofon „%1“ kann gerade nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>QtSpeechVoice</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>Die Stimme kann nicht sprechen: %1</translation>
    </message>
</context>
<context>
    <name>RecordsChart</name>
    <message>
        <source>Session</source>
        <extracomment>The title of the chart&apos;s horizontal axis, numbered by session</extracomment>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>First try right, per session</source>
        <translation>Beim ersten Versuch richtig, pro Sitzung</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The name of a line in the chart&apos;s legend: symbols right at the first try</extracomment>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The name of a line in the chart&apos;s legend: attributes right at the first try</extracomment>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right without a prompt</extracomment>
        <translation>Selbstständig richtig</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right with the answer shown as a prompt</extracomment>
        <translation>Richtig mit Hilfe</translation>
    </message>
    <message>
        <source>Mastery (%1 %)</source>
        <extracomment>The name of the mastery line in the chart&apos;s legend; %1 is the rule&apos;s percent</extracomment>
        <translation>Beherrschung (%1 %)</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Für den Lerner „%1“ gibt es kein Protokoll</translation>
    </message>
</context>
<context>
    <name>RecordsFile</name>
    <message>
        <source>The records file %1 is in use by another program; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Die Protokolldatei %1 wird von einem anderen Programm verwendet; es wird nichts protokolliert (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Die Protokolldatei %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Die Protokolldatei %1 kann nicht geöffnet werden; es wird nichts protokolliert (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be read; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Die Protokolldatei %1 kann nicht gelesen werden; es wird nichts protokolliert (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be written; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Die Protokolldatei %1 kann nicht geschrieben werden; es wird nichts protokolliert (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed; records are not kept</source>
        <translation>Der SQLite-Treiber von Qt ist nicht installiert; es wird nichts protokolliert</translation>
    </message>
    <message>
        <source>There is no records file %1</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Es gibt keine Protokolldatei %1</translation>
    </message>
    <message>
        <source>The records folder %1 cannot be created; records are not kept</source>
        <extracomment>%1 is the records folder&apos;s path</extracomment>
        <translation>Der Protokollordner %1 kann nicht angelegt werden; es wird nichts protokolliert</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the system&apos;s word on what went wrong</extracomment>
        <translation>Die Protokolldatei %1 kann nicht angelegt werden; es wird nichts protokolliert (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged and cannot be moved aside; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Die Protokolldatei %1 ist beschädigt und kann nicht beiseitegelegt werden; es wird nichts protokolliert</translation>
    </message>
    <message>
        <source>The records file was damaged: it is kept as %1 and a new records file was started</source>
        <extracomment>%1 is the path the damaged file was moved to</extracomment>
        <translation>Die Protokolldatei war beschädigt: Sie wird als %1 aufbewahrt, und eine neue Protokolldatei wurde begonnen</translation>
    </message>
    <message>
        <source>The file %1 is not a Tessarine records file; it is left as it is and records are not kept</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Die Datei %1 ist keine Tessarine-Protokolldatei; sie bleibt unverändert, und es wird nichts protokolliert</translation>
    </message>
    <message>
        <source>The records file %1 cannot keep a write-ahead log; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path; the write-ahead log is how the database keeps its changes safe</extracomment>
        <translation>Die Protokolldatei %1 kann kein Write-Ahead-Log führen; es wird nichts protokolliert</translation>
    </message>
    <message>
        <source>The school server %1 cannot be reached (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>Der Schulserver %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>The records on the school server %1 cannot be used (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>Die Aufzeichnungen auf dem Schulserver %1 können nicht verwendet werden (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (libqt6sql6-psql) is not installed; the school server cannot be used</source>
        <translation>Der PostgreSQL-Treiber von Qt (libqt6sql6-psql) ist nicht installiert; der Schulserver kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>The database %1 on the school server holds another program&apos;s tables; it is left as it is</source>
        <extracomment>%1 names a PostgreSQL database on the school&apos;s server</extracomment>
        <translation>Die Datenbank %1 auf dem Schulserver enthält Tabellen eines anderen Programms; sie bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>RecordsModel</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>A cell of the Sessions table: %1 first tries answered right, of %2 in all</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column header of the Sessions table: when the session started</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>Column header: the number of sets shown in the session</extracomment>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Symbols first try</source>
        <extracomment>Column header: the percent of symbols chosen right at the first try</extracomment>
        <translation>Symbole 1. Versuch</translation>
    </message>
    <message>
        <source>Attributes first try</source>
        <extracomment>Column header: the percent of attributes chosen right at the first try</extracomment>
        <translation>Merkmale 1. Versuch</translation>
    </message>
    <message>
        <source>Median response</source>
        <extracomment>Column header: the median time to answer</extracomment>
        <translation>Antwortzeit (Median)</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>Column header: first tries right without a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Selbstständig richtig</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>Column header: first tries right with the answer shown as a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Richtig mit Hilfe</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header of the Targets table: a symbol or an attribute the learner is taught to choose</extracomment>
        <translation>Lernziel</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: whether the target is a symbol or an attribute</extracomment>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>Column header: the number of trials</extracomment>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>First try, last sessions</source>
        <extracomment>Column header: the percent right at the first try in the last sessions the mastery rule looks at</extracomment>
        <translation>1. Versuch, letzte Sitzungen</translation>
    </message>
    <message>
        <source>Mastered</source>
        <extracomment>Column header: whether the target is mastered, &quot;Yes&quot; or &quot;No&quot;</extracomment>
        <translation>Beherrscht</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Merkmal</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>Nein</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s), printed %1</source>
        <extracomment>Under the report&apos;s title; %n is the number of sessions, %1 the date and time of printing</extracomment>
        <translation>
            <numerusform>%n Sitzung, gedruckt am %1</numerusform>
            <numerusform>%n Sitzungen, gedruckt am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Mastered: at least %1 % right at the first try in each of the last %2 sessions, with at least %3 trials in each</source>
        <extracomment>The mastery rule in the report: %1 is a percent, %2 a number of sessions, %3 a number of trials</extracomment>
        <translation>Beherrscht: mindestens %1 % richtig beim ersten Versuch in jeder der letzten %2 Sitzungen, mit jeweils mindestens %3 Durchgängen</translation>
    </message>
    <message>
        <source>Mastery and the first-try percentages count only first answers given without a prompt.</source>
        <translation>Beherrschung und die Prozentwerte für den ersten Versuch zählen nur erste Antworten, die ohne Hilfe gegeben wurden.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column header: the name of the computer the session was recorded on</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>User</source>
        <extracomment>Column header: who was logged in on the computer during the session</extracomment>
        <translation>Benutzer</translation>
    </message>
</context>
<context>
    <name>RecordsPlaceBox</name>
    <message>
        <source>Type the school server&apos;s connection string, such as host=db.school dbname=tessarine user=teacher or service=NAME.</source>
        <translation>Geben Sie die Verbindungszeichenfolge des Schulservers ein, zum Beispiel host=db.school dbname=tessarine user=teacher oder service=NAME.</translation>
    </message>
</context>
<context>
    <name>RecordsReport</name>
    <message>
        <source>A page cannot be added</source>
        <translation>Eine Seite kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>No records yet.</source>
        <translation>Noch nichts protokolliert.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The report&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Protokoll von %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be started</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>%1 kann nicht geschrieben werden: Das PDF kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The title of the report&apos;s sessions table</extracomment>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Sessions (continued)</source>
        <extracomment>The title of the sessions table on the pages after its first</extracomment>
        <translation>Sitzungen (Fortsetzung)</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The title of the report&apos;s targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Lernziele</translation>
    </message>
    <message>
        <source>Targets (continued)</source>
        <extracomment>The title of the targets table on the pages after its first</extracomment>
        <translation>Lernziele (Fortsetzung)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be finished</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>%1 kann nicht geschrieben werden: Das PDF kann nicht abgeschlossen werden</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>The records file %1 was written by a later version of Tessarine; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Die Protokolldatei %1 wurde von einer neueren Version von Tessarine geschrieben; es wird nichts protokolliert</translation>
    </message>
</context>
<context>
    <name>RecordsStore</name>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Für den Lerner „%1“ gibt es kein Protokoll</translation>
    </message>
    <message>
        <source>The records in %1 did not keep a new row; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path or names the school server</extracomment>
        <translation>Die Aufzeichnungen in %1 haben keine neue Zeile behalten; es wird nichts aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>RewardOverlay</name>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Belohnung</translation>
    </message>
</context>
<context>
    <name>RunRecords</name>
    <message>
        <source>The access settings of %1 are taken from the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Die Bedienungseinstellungen von %1 werden aus der Einstellungsdatei übernommen.</translation>
    </message>
    <message>
        <source>The settings file has no access settings for %1: the defaults are used.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Die Einstellungsdatei hat keine Bedienungseinstellungen für %1: Es werden die Standardwerte verwendet.</translation>
    </message>
    <message>
        <source>Learners&apos; access settings are taken from the settings file.</source>
        <translation>Die Bedienungseinstellungen der Lerner werden aus der Einstellungsdatei übernommen.</translation>
    </message>
    <message>
        <source>The exercise runs without the teaching settings of %1, and nothing of it is recorded.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Die Übung läuft ohne die Fördereinstellungen von %1, und nichts davon wird protokolliert.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 cannot be changed now.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Die Fördereinstellungen von %1 können jetzt nicht geändert werden.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 were not saved.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Die Fördereinstellungen von %1 wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The access settings of %1 are kept in the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Die Bedienungseinstellungen von %1 werden in der Einstellungsdatei gespeichert.</translation>
    </message>
    <message>
        <source>Records are kept on this computer until the school server answers again.</source>
        <translation>Die Aufzeichnungen werden auf diesem Computer aufbewahrt, bis der Schulserver wieder antwortet.</translation>
    </message>
    <message>
        <source>The exercise goes on; its answers are kept on this computer and sent when the school server answers again.</source>
        <translation>Die Übung geht weiter; ihre Antworten werden auf diesem Computer aufbewahrt und gesendet, sobald der Schulserver wieder antwortet.</translation>
    </message>
    <message>
        <source>The password is not kept in the settings: put it in ~/.pgpass, where PostgreSQL finds it, and leave it out of the connection string.</source>
        <translation>Das Passwort wird nicht in den Einstellungen gespeichert: Tragen Sie es in ~/.pgpass ein, wo PostgreSQL es findet, und lassen Sie es aus der Verbindungszeichenfolge weg.</translation>
    </message>
    <message>
        <source>No school server is chosen to send the sessions to.</source>
        <translation>Es ist kein Schulserver gewählt, an den die Sitzungen gesendet werden können.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Position out of range</source>
        <translation>Position außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Unzulässiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>No image found: plase check images folders</source>
        <translation>Kein Bild gefunden: Bitte die Bildordner prüfen</translation>
    </message>
</context>
<context>
    <name>SetSheet</name>
    <message>
        <source>cannot be loaded</source>
        <extracomment>in a picture&apos;s place on the printed sheet</extracomment>
        <translation>lässt sich nicht laden</translation>
    </message>
    <message>
        <source>Can stop when a picture that cannot be loaded is drawn as the wrong choice.</source>
        <translation>Kann abbrechen, wenn ein nicht ladbares Bild als falsche Wahl gezogen wird.</translation>
    </message>
    <message>
        <source>Works with every option.</source>
        <translation>Funktioniert mit allen Optionen.</translation>
    </message>
    <message>
        <source>%1 (%2.)</source>
        <comment>%1 is a finding, %2 the options under which it holds</comment>
        <translation>%1 (%2.)</translation>
    </message>
    <message>
        <source>no symbol</source>
        <extracomment>in the place of a missing symbol picture on the printed sheet</extracomment>
        <translation>kein Symbol</translation>
    </message>
    <message>
        <source>no attribute</source>
        <extracomment>in the place of a missing attribute picture on the printed sheet</extracomment>
        <translation>kein Merkmal</translation>
    </message>
    <message>
        <source>Tessarine sets in %1</source>
        <comment>the PDF&apos;s title; %1 is a folder</comment>
        <translation>Tessarine-Runden in %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Tessarine: every set</source>
        <translation>Tessarine: alle Runden</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n Objektbild</numerusform>
            <numerusform>%n Objektbilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbol(s)</source>
        <translation>
            <numerusform>%n Symbol</numerusform>
            <numerusform>%n Symbole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n attribute(s)</source>
        <translation>
            <numerusform>%n Merkmal</numerusform>
            <numerusform>%n Merkmale</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more finding(s) about folders, symbols, attributes or sounds: run tessarine-check for the details.</source>
        <translation>
            <numerusform>%n weiterer Befund zu Ordnern, Symbolen, Merkmalen oder Tönen: Die Einzelheiten zeigt tessarine-check.</numerusform>
            <numerusform>%n weitere Befunde zu Ordnern, Symbolen, Merkmalen oder Tönen: Die Einzelheiten zeigt tessarine-check.</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Caption and findings</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Beschriftung und Befunde</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Merkmal</translation>
    </message>
    <message>
        <source>There are no object pictures in the Images folder.</source>
        <translation>Im Ordner Images gibt es keine Objektbilder.</translation>
    </message>
    <message>
        <source>Made by tessarine-check</source>
        <translation>Erstellt mit tessarine-check</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>SettingsBacking</name>
    <message>
        <source>The settings cannot be saved to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SpokenCaption</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>Die Stimme kann nicht sprechen: %1</translation>
    </message>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <extracomment>%1 is the recording&apos;s file, %2 says why in a phrase such as &quot;it is not a wave file&quot;</extracomment>
        <translation>Die Aufnahme %1 kann nicht abgespielt werden: %2</translation>
    </message>
</context>
<context>
    <name>TeachingDialog</name>
    <message>
        <source>Off</source>
        <extracomment>The lowest value of a number box: the feature is not used</extracomment>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Tessarine picture check of %1</source>
        <extracomment>the report&apos;s first line; %1 is a folder</extracomment>
        <translation>Tessarine-Bildprüfung von %1</translation>
    </message>
    <message>
        <source>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</source>
        <extracomment>Images, Symbols, Attributes and Sounds are folder names: keep them; %1 is a number of object pictures</extracomment>
        <translation>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n Objektbild</numerusform>
            <numerusform>%n Objektbilder</numerusform>
        </translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <extracomment>a finding&apos;s label in the text report, in capitals</extracomment>
        <translation>PROBLEM</translation>
    </message>
    <message>
        <source>WARNING</source>
        <extracomment>a finding&apos;s label in the text report, in capitals</extracomment>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>What happens:</source>
        <extracomment>a label in the text report, before what the exercise will do</extracomment>
        <translation>Was passiert:</translation>
    </message>
    <message>
        <source>How to fix:</source>
        <extracomment>a label in the text report, before how to mend the finding</extracomment>
        <translation>Abhilfe:</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <extracomment>%1 is a folder&apos;s name: Images, Symbols, Attributes or Sounds</extracomment>
        <translation>Ordner %1</translation>
    </message>
    <message>
        <source>%1 and %2 in %3. %4</source>
        <extracomment>%1 is a number of problems, %2 of warnings, %3 of files or folders; %4 the sentence that follows</extracomment>
        <translation>%1 und %2 in %3. %4</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n Problem</numerusform>
            <numerusform>%n Probleme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n set(s) work with every option. Nothing to fix.</source>
        <translation>
            <numerusform>Die %n Runde funktioniert mit allen Optionen. Nichts zu beheben.</numerusform>
            <numerusform>Alle %n Runden funktionieren mit allen Optionen. Nichts zu beheben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s)</source>
        <translation>
            <numerusform>%n Datei oder Ordner</numerusform>
            <numerusform>%n Dateien oder Ordnern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object picture(s) work with every option and need nothing.</source>
        <extracomment>%1 is how many of them work</extracomment>
        <translation>
            <numerusform>%1 von %n Objektbild funktionieren mit allen Optionen und brauchen nichts.</numerusform>
            <numerusform>%1 von %n Objektbildern funktionieren mit allen Optionen und brauchen nichts.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one set works with every option. Nothing to fix.</source>
        <translation>Die eine Runde funktioniert mit allen Optionen. Nichts zu beheben.</translation>
    </message>
</context>
<context>
    <name>TokenRow</name>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Token</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Tokens earned: %1 is how many are filled, %2 how many make a reward</extracomment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>WaveCheck</name>
    <message>
        <source>its format description is too short</source>
        <translation>ihre Formatbeschreibung ist zu kurz</translation>
    </message>
    <message>
        <source>its format description is damaged</source>
        <translation>ihre Formatbeschreibung ist beschädigt</translation>
    </message>
    <message>
        <source>it is compressed (format %1), not PCM; save it again as PCM</source>
        <extracomment>%1 is the number of the sound&apos;s format; PCM is the uncompressed one</extracomment>
        <translation>sie ist komprimiert (Format %1), nicht PCM; speichern Sie sie erneut als PCM</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not a wave file</source>
        <translation>sie ist keine Wave-Datei</translation>
    </message>
    <message>
        <source>it is damaged: the file ends inside its format description</source>
        <translation>sie ist beschädigt: Die Datei endet innerhalb ihrer Formatbeschreibung</translation>
    </message>
    <message>
        <source>it is damaged: its sound comes before its format description</source>
        <translation>sie ist beschädigt: Ihr Ton steht vor ihrer Formatbeschreibung</translation>
    </message>
    <message>
        <source>it is damaged: the file ends before its sound does</source>
        <translation>sie ist beschädigt: Die Datei endet, bevor ihr Ton endet</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>sie enthält keinen Ton</translation>
    </message>
    <message>
        <source>it is damaged: it holds no sound data</source>
        <translation>sie ist beschädigt: Sie enthält keine Tondaten</translation>
    </message>
    <message>
        <source>it is damaged: it has no format description</source>
        <translation>sie ist beschädigt: Sie hat keine Formatbeschreibung</translation>
    </message>
</context>
<context>
    <name>WaveWriter</name>
    <message>
        <source>The recording %1 cannot be written: %2</source>
        <extracomment>%1 is the sound file, %2 why it cannot be written</extracomment>
        <translation>Die Aufnahme %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the sound is too long</source>
        <translation>die Aufnahme ist zu lang</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>the set stops half-way with error %1 %2</source>
        <extracomment>ends a sentence; %1 is the error&apos;s number, %2 its message</extracomment>
        <translation>bricht die Runde mittendrin mit Fehler %1 %2 ab</translation>
    </message>
    <message>
        <source>in most sets</source>
        <translation>in den meisten Runden</translation>
    </message>
    <message>
        <source>about once in %1 sets</source>
        <extracomment>%1 is a number like 1e+12</extracomment>
        <translation>etwa einmal in %1 Runden</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with error %2 %3.</source>
        <extracomment>%1 names the options, %2 is the error&apos;s number, %3 its message</extracomment>
        <translation>%1 bricht die Runde mittendrin mit Fehler %2 %3 ab.</translation>
    </message>
    <message>
        <source>%1, the set can stop half-way with error %2 %3.</source>
        <translation>%1 kann die Runde mittendrin mit Fehler %2 %3 abbrechen.</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Diese Datei ist leer.</translation>
    </message>
    <message>
        <source>Copy the picture again; the copy went wrong.</source>
        <translation>Kopieren Sie das Bild erneut; beim Kopieren ist etwas schiefgegangen.</translation>
    </message>
    <message>
        <source>This picture cannot be loaded (%1).</source>
        <translation>Dieses Bild lässt sich nicht laden (%1).</translation>
    </message>
    <message>
        <source>Make the picture smaller (a few thousand pixels across is plenty).</source>
        <translation>Verkleinern Sie das Bild (einige tausend Pixel Breite genügen).</translation>
    </message>
    <message>
        <source>Open it in a picture editor and save it again as JPEG, or replace it.</source>
        <translation>Öffnen Sie es in einem Bildbearbeitungsprogramm und speichern Sie es erneut als JPEG, oder ersetzen Sie es.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>
            <numerusform>%1 und %n weiteres</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about once in %Ln set(s)</source>
        <translation>
            <numerusform>etwa einmal in %Ln Runde</numerusform>
            <numerusform>etwa einmal in %Ln Runden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmApertura</name>
    <message>
        <source>Play it</source>
        <extracomment>Tooltip of the buttons that play the chosen sound</extracomment>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>tessarine::AccessDialog</name>
    <message>
        <source>Access</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>Access for %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Bedienung für %1</translation>
    </message>
    <message>
        <source>Answer with the keyboard: arrows and Tab move, Space and Enter choose, 1 to 4 choose a picture</source>
        <translation>Antworten per Tastatur: Pfeiltasten und Tab bewegen, Leertaste und Enter wählen, 1 bis 4 wählen ein Bild</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>No switch</source>
        <translation>Kein Taster</translation>
    </message>
    <message>
        <source>One switch: the ring moves by itself</source>
        <translation>Ein Taster: Der Ring wandert von selbst</translation>
    </message>
    <message>
        <source>Two switches: one moves, one chooses</source>
        <translation>Zwei Taster: einer bewegt, einer wählt</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Step switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Taste des Weiter-Tasters</translation>
    </message>
    <message>
        <source>Choose switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Taste des Auswahl-Tasters</translation>
    </message>
    <message>
        <source>Scanning:</source>
        <translation>Scanning:</translation>
    </message>
    <message>
        <source>Ring moves every:</source>
        <translation>Ring wandert alle:</translation>
    </message>
    <message>
        <source>Step switch key:</source>
        <translation>Taste Weiter-Taster:</translation>
    </message>
    <message>
        <source>Step switch button:</source>
        <translation>Maustaste Weiter-Taster:</translation>
    </message>
    <message>
        <source>Choose switch key:</source>
        <translation>Taste Auswahl-Taster:</translation>
    </message>
    <message>
        <source>Choose switch button:</source>
        <translation>Maustaste Auswahl-Taster:</translation>
    </message>
    <message>
        <source>Accidental presses</source>
        <translation>Versehentliches Drücken</translation>
    </message>
    <message>
        <source>Guard against accidental presses</source>
        <translation>Vor versehentlichem Drücken schützen</translation>
    </message>
    <message>
        <source>No hold needed</source>
        <extracomment>The hold time at zero</extracomment>
        <translation>Kein Halten nötig</translation>
    </message>
    <message>
        <source>Presses on the same picture count once within:</source>
        <translation>Drücke auf dasselbe Bild zählen einmal innerhalb von:</translation>
    </message>
    <message>
        <source>A press counts when held for:</source>
        <translation>Ein Druck zählt ab einer Haltezeit von:</translation>
    </message>
    <message>
        <source>Pictures as big as the screen</source>
        <translation>Bilder so groß wie der Bildschirm</translation>
    </message>
    <message>
        <source>Speak the caption when a set appears</source>
        <translation>Beschriftung vorlesen, wenn eine Runde erscheint</translation>
    </message>
    <message>
        <source>Caption language:</source>
        <translation>Sprache der Beschriftung:</translation>
    </message>
    <message>
        <source>Language of the windows (%1)</source>
        <extracomment>The caption&apos;s language when none is chosen; %1 is that language&apos;s name in its own language</extracomment>
        <translation>Sprache der Fenster (%1)</translation>
    </message>
    <message>
        <source>This computer has no voice: the captions cannot be spoken.</source>
        <translation>Dieser Computer hat keine Stimme: Die Beschriftungen können nicht vorgelesen werden.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by an English voice.</source>
        <translation>Dieser Computer hat keine Stimme für diese Sprache: Die Beschriftungen werden von einer englischen Stimme vorgelesen.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by a voice of another language.</source>
        <translation>Dieser Computer hat keine Stimme für diese Sprache: Die Beschriftungen werden von einer Stimme einer anderen Sprache vorgelesen.</translation>
    </message>
</context>
<context>
    <name>tessarine::CropFrameWidget</name>
    <message>
        <source>Crop frame</source>
        <translation>Zuschneiderahmen</translation>
    </message>
    <message>
        <source>The part of the picture that will be saved. Arrow keys move the frame, with Shift further; + and - make it larger or smaller. With the mouse, drag it to move it, or drag a corner or side, or turn the wheel, to resize it.</source>
        <translation>Der Teil des Bildes, der gespeichert wird. Die Pfeiltasten bewegen den Rahmen, mit Umschalt weiter; + und - vergrößern oder verkleinern ihn. Mit der Maus: Ziehen Sie ihn, um ihn zu bewegen, oder ziehen Sie an einer Ecke oder Seite oder drehen Sie das Mausrad, um die Größe zu ändern.</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportPanel</name>
    <message>
        <source>Pictures being added</source>
        <translation>Bilder, die hinzugefügt werden</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Bilder hinzufügen...</translation>
    </message>
    <message>
        <source>Add pictures, or drop pictures or folders of them here.</source>
        <translation>Fügen Sie Bilder hinzu, oder ziehen Sie Bilder oder Ordner mit Bildern hierher.</translation>
    </message>
    <message>
        <source>There are no pictures in %1.</source>
        <extracomment>%1 is one folder or several, separated by commas</extracomment>
        <translation>In %1 gibt es keine Bilder.</translation>
    </message>
    <message>
        <source>These pictures cannot be added:
%1</source>
        <translation>Diese Bilder können nicht hinzugefügt werden:
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportRow</name>
    <message>
        <source>Object</source>
        <extracomment>The first of a picture&apos;s name&apos;s three parts: what the picture shows</extracomment>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>The second of a picture&apos;s name&apos;s three parts, such as &quot;colour&quot;</extracomment>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The third of a picture&apos;s name&apos;s three parts, such as &quot;red&quot;</extracomment>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Object picture</source>
        <extracomment>What a picture is saved as: a picture of the object, its symbol, or an attribute&apos;s picture</extracomment>
        <translation>Objektbild</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Attribute picture</source>
        <translation>Merkmalbild</translation>
    </message>
    <message>
        <source>Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>Wird zu</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The file name the picture is saved under</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Leave out</source>
        <extracomment>Button: this picture is not added after all</extracomment>
        <translation>Weglassen</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation>&amp;Kategorie</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <source>&amp;Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>Wird &amp;zu</translation>
    </message>
    <message>
        <source>Make the symbol from this photo</source>
        <translation>Symbol aus diesem Foto machen</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <extracomment>Button: a picture from a file becomes the symbol
----------
Button: a picture from a file becomes the attribute&apos;s picture</extracomment>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Choose a picture for the symbol</source>
        <translation>Bild für das Symbol wählen</translation>
    </message>
    <message>
        <source>Make a card</source>
        <extracomment>An attribute card: a swatch of the colour, or the value&apos;s word written large</extracomment>
        <translation>Karte erstellen</translation>
    </message>
    <message>
        <source>Choose a picture for the attribute</source>
        <translation>Bild für das Merkmal wählen</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet</source>
        <translation>Für „%1“ gibt es noch kein Symbol</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet: it will be made from %2</source>
        <translation>Für „%1“ gibt es noch kein Symbol: Es wird aus %2 erstellt</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet</source>
        <translation>Für „%1 %2“ gibt es noch keine Merkmalkarte</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet: it will be %3</source>
        <translation>Für „%1 %2“ gibt es noch keine Merkmalkarte: Es wird %3 verwendet</translation>
    </message>
</context>
<context>
    <name>tessarine::KeyCaptureButton</name>
    <message>
        <source>Press the key or the switch...</source>
        <translation>Drücken Sie die Taste oder den Taster...</translation>
    </message>
</context>
<context>
    <name>tessarine::ObjectTableModel</name>
    <message>
        <source>Checking...</source>
        <extracomment>Shown for an object until the collection&apos;s check has looked at it</extracomment>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Works under every option.</source>
        <translation>Funktioniert mit allen Optionen.</translation>
    </message>
    <message>
        <source>Some sets do not work under every option.</source>
        <translation>Manche Runden funktionieren nicht mit allen Optionen.</translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation>Kein Symbol</translation>
    </message>
    <message>
        <source>No attribute</source>
        <translation>Kein Merkmal</translation>
    </message>
    <message>
        <source>Picture: none</source>
        <extracomment>%1 is the object picture&apos;s file</extracomment>
        <translation>Bild: keines</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
    <message>
        <source>Symbol: none</source>
        <extracomment>%1 is the symbol&apos;s file</extracomment>
        <translation>Symbol: keines</translation>
    </message>
    <message>
        <source>Symbol: %1</source>
        <translation>Symbol: %1</translation>
    </message>
    <message>
        <source>Attribute: none</source>
        <extracomment>%1 is the attribute picture&apos;s file</extracomment>
        <translation>Merkmal: keines</translation>
    </message>
    <message>
        <source>Attribute: %1</source>
        <translation>Merkmal: %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>Column header: the object&apos;s picture</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Column header: the object&apos;s symbol</extracomment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>Column header: the picture of the object&apos;s attribute (its colour, say)</extracomment>
        <translation>Merkmal</translation>
    </message>
    <message>
        <source>Caption and file</source>
        <extracomment>Column header</extracomment>
        <translation>Beschriftung und Datei</translation>
    </message>
    <message>
        <source>Findings</source>
        <extracomment>Column header: what the check found</extracomment>
        <translation>Befunde</translation>
    </message>
</context>
<context>
    <name>tessarine::PictureBox</name>
    <message>
        <source>Dimmed</source>
        <extracomment>Said by a screen reader of a picture shown faint</extracomment>
        <translation>Abgeblendet</translation>
    </message>
</context>
<context>
    <name>tessarine::PicturesWindow</name>
    <message>
        <source>Pictures: %1</source>
        <extracomment>%1 is the collection&apos;s name</extracomment>
        <translation>Bilder: %1</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <extracomment>The check found nothing about the collection as a whole</extracomment>
        <translation>Nichts gefunden.</translation>
    </message>
    <message>
        <source>Choose an object in the list to see its findings.</source>
        <translation>Wählen Sie ein Objekt in der Liste, um seine Befunde zu sehen.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Neue Sammlung</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Bilder hinzufügen...</translation>
    </message>
    <message>
        <source>Checking the pictures...</source>
        <translation>Bilder werden geprüft...</translation>
    </message>
    <message>
        <source>Checking the pictures</source>
        <translation>Bilder werden geprüft</translation>
    </message>
    <message>
        <source>Findings of the chosen object</source>
        <translation>Befunde zum gewählten Objekt</translation>
    </message>
    <message>
        <source>Rename...</source>
        <extracomment>Button with a menu: rename the object, the category or the value</extracomment>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Object...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the object, the first of a name&apos;s three parts</extracomment>
        <translation>Objekt...</translation>
    </message>
    <message>
        <source>Category...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the category, the second of a name&apos;s three parts</extracomment>
        <translation>Kategorie...</translation>
    </message>
    <message>
        <source>Value...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the value, the third of a name&apos;s three parts</extracomment>
        <translation>Wert...</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the chosen object picture goes to the trash</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the picture</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Moves the object picture and its recording to the trash</source>
        <translation>Verschiebt das Objektbild und seine Aufnahme in den Papierkorb</translation>
    </message>
    <message>
        <source>Findings about the whole collection:</source>
        <translation>Befunde zur ganzen Sammlung:</translation>
    </message>
    <message>
        <source>Findings about the whole collection</source>
        <translation>Befunde zur ganzen Sammlung</translation>
    </message>
    <message>
        <source>Objects</source>
        <extracomment>The list of the collection&apos;s object pictures</extracomment>
        <translation>Objekte</translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsPlaceBox</name>
    <message>
        <source>Records kept on</source>
        <extracomment>The title of the box that chooses where the learners&apos; records are kept</extracomment>
        <translation>Aufzeichnungen aufbewahrt auf</translation>
    </message>
    <message>
        <source>A PostgreSQL connection string: host, dbname and user, or service=NAME; the password is taken from ~/.pgpass</source>
        <translation>Eine PostgreSQL-Verbindungszeichenfolge: host, dbname und user oder service=NAME; das Passwort kommt aus ~/.pgpass</translation>
    </message>
    <message>
        <source>This computer</source>
        <extracomment>Where the records are kept: the records file of this computer</extracomment>
        <translation>Diesem Computer</translation>
    </message>
    <message>
        <source>School server</source>
        <extracomment>Where the records are kept: the school&apos;s database server, shared by its computers</extracomment>
        <translation>Dem Schulserver</translation>
    </message>
    <message>
        <source>Where the learners&apos; records are kept: this computer&apos;s file, or the school&apos;s server that every computer of the school shares</source>
        <translation>Wo die Aufzeichnungen der Lernenden aufbewahrt werden: in der Datei dieses Computers oder auf dem Schulserver, den alle Computer der Schule teilen</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>The label of the school server&apos;s connection string</extracomment>
        <translation>Server</translation>
    </message>
    <message>
        <source>Use this server</source>
        <extracomment>A button: keeps the records on the school server typed beside it</extracomment>
        <translation>Diesen Server verwenden</translation>
    </message>
    <message>
        <source>Keeps the records on this server from now on</source>
        <translation>Bewahrt die Aufzeichnungen ab jetzt auf diesem Server auf</translation>
    </message>
    <message>
        <source>Send now</source>
        <extracomment>A button: sends the sessions recorded on this computer to the school server</extracomment>
        <translation>Jetzt senden</translation>
    </message>
    <message>
        <source>Sends the sessions recorded on this computer to the school server; each is sent once</source>
        <translation>Sendet die auf diesem Computer aufgezeichneten Sitzungen an den Schulserver; jede wird nur einmal gesendet</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s) recorded on this computer wait to be sent to the school server.</source>
        <extracomment>%n is a number of sessions</extracomment>
        <translation>
            <numerusform>%n auf diesem Computer aufgezeichnete Sitzung wartet darauf, an den Schulserver gesendet zu werden.</numerusform>
            <numerusform>%n auf diesem Computer aufgezeichnete Sitzungen warten darauf, an den Schulserver gesendet zu werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsWindow</name>
    <message>
        <source>Records of %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Protokoll von %1</translation>
    </message>
    <message>
        <source>Learner: %1</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Lerner: %1</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The sessions table&apos;s name, as a screen reader says it
----------
The title of the sessions table</extracomment>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The targets table&apos;s name, as a screen reader says it; a target is what the learner is taught to choose
----------
The title of the targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Lernziele</translation>
    </message>
    <message>
        <source>Chart of first try right, per session</source>
        <translation>Diagramm: beim ersten Versuch richtig, pro Sitzung</translation>
    </message>
    <message>
        <source>Per session, the percent right at the first try of symbols and attributes answered without a prompt, of all first tries answered without a prompt (independent) and of all answered with one (prompted), and the mastery line; the same numbers are in the Sessions table</source>
        <translation>Pro Sitzung der Anteil richtiger erster Versuche bei Symbolen und Merkmalen, die ohne Hilfe beantwortet wurden, bei allen ersten Versuchen ohne Hilfe (selbstständig) und bei allen mit Hilfe, dazu die Beherrschungslinie; dieselben Zahlen stehen in der Tabelle „Sitzungen“</translation>
    </message>
    <message>
        <source>Mastery rule</source>
        <extracomment>The title of the box that sets when a target counts as mastered</extracomment>
        <translation>Beherrschungskriterium</translation>
    </message>
    <message>
        <source>Right at the first try, at least</source>
        <extracomment>The label of a percent: a target is mastered when at least this much of it is right at the first try</extracomment>
        <translation>Beim ersten Versuch richtig, mindestens</translation>
    </message>
    <message>
        <source>In consecutive sessions</source>
        <extracomment>The label of a number of sessions in a row in which the percent must be reached</extracomment>
        <translation>In aufeinanderfolgenden Sitzungen</translation>
    </message>
    <message>
        <source>Trials a session, at least</source>
        <extracomment>The label of the fewest trials a session must have to count</extracomment>
        <translation>Durchgänge pro Sitzung, mindestens</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>A button: saves every answer of the learner in a CSV file
----------
The title of the file dialog that saves the CSV file</extracomment>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Report PDF</source>
        <extracomment>A button: saves a printable report of the learner in a PDF file
----------
The title of the file dialog that saves the PDF report</extracomment>
        <translation>PDF-Bericht</translation>
    </message>
    <message>
        <source>Delete learner</source>
        <extracomment>A button: removes the learner and all of their records</extracomment>
        <translation>Lerner löschen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Delete %1 and all of their records? This cannot be undone.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>%1 und das gesamte Protokoll löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>tessarine::TeachingDialog</name>
    <message>
        <source>Teaching</source>
        <extracomment>Title of the dialog when no learner is chosen</extracomment>
        <translation>Förderung</translation>
    </message>
    <message>
        <source>Teaching for %1</source>
        <extracomment>Title of the dialog; %1 is the learner&apos;s name</extracomment>
        <translation>Förderung für %1</translation>
    </message>
    <message>
        <source> sets</source>
        <extracomment>Shown after the number in &quot;Review mastered targets: one set in 5 sets&quot;; keep the leading space</extracomment>
        <translation> Runden</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Seconds, shown after the number; keep the leading space</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Show the answer after a wrong answer</source>
        <translation>Nach falscher Antwort die Lösung zeigen</translation>
    </message>
    <message>
        <source>Repeat a set after an error</source>
        <translation>Runde nach einem Fehler wiederholen</translation>
    </message>
    <message>
        <source> right sets</source>
        <extracomment>Shown after the number in &quot;Show a reward after 3 right sets&quot;; keep the leading space</extracomment>
        <translation> richtigen Runden</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The list of symbols and attributes being taught</extracomment>
        <translation>Lernziele</translation>
    </message>
    <message>
        <source>Review mastered targets: one set in</source>
        <translation>Beherrschte Lernziele wiederholen: eine Runde alle</translation>
    </message>
    <message>
        <source>Show the answer after</source>
        <extracomment>Followed by a number of seconds</extracomment>
        <translation>Antwort zeigen nach</translation>
    </message>
    <message>
        <source>Errorless trials for each new target</source>
        <translation>Fehlerfreie Durchgänge pro neuem Lernziel</translation>
    </message>
    <message>
        <source>Show a reward after</source>
        <extracomment>Followed by a number of right sets</extracomment>
        <translation>Belohnung zeigen nach</translation>
    </message>
    <message>
        <source>No picture of this collection has both its symbol and its attribute checked, so there would be nothing to show. Check at least one symbol and one attribute of the same picture, or press Cancel to keep the targets as they were.</source>
        <translation>Kein Bild dieser Sammlung hat sowohl sein Symbol als auch sein Merkmal angehakt, daher gäbe es nichts zu zeigen. Haken Sie mindestens ein Symbol und ein Merkmal desselben Bildes an, oder klicken Sie auf „Abbrechen“, um die Lernziele unverändert zu lassen.</translation>
    </message>
</context>
<context>
    <name>tessarine::VoiceButtons</name>
    <message>
        <source>Record</source>
        <extracomment>Button: record the caption from the microphone
----------
Button: record the caption from the microphone; &quot;No microphone&quot; on a computer without one</extracomment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button: play the recorded caption</extracomment>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the recording goes to the trash</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Voice of %1</source>
        <extracomment>%1 is the object picture&apos;s name; the buttons record, play and remove its spoken caption</extracomment>
        <translation>Stimme für %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button: stop recording</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stops recording</source>
        <translation>Beendet die Aufnahme</translation>
    </message>
    <message>
        <source>No microphone</source>
        <translation>Kein Mikrofon</translation>
    </message>
    <message>
        <source>Records the caption from the microphone</source>
        <translation>Nimmt die Beschriftung mit dem Mikrofon auf</translation>
    </message>
    <message>
        <source>No microphone: this computer has none to record with</source>
        <translation>Kein Mikrofon: Dieser Computer hat keines zum Aufnehmen</translation>
    </message>
    <message>
        <source>The recording %1 cannot be moved to the trash</source>
        <translation>Die Aufnahme %1 kann nicht in den Papierkorb verschoben werden</translation>
    </message>
</context>
<context>
    <name>tessarine::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>The window&apos;s title until the program&apos;s name is known</extracomment>
        <translation>Über MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button that closes the About window</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>Shown until the program&apos;s name is known</extracomment>
        <translation>Anwendungstitel</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Shown until the version number is known</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Developed by %1 - %2</source>
        <extracomment>%1 is the author, %2 the year</extracomment>
        <translation>Entwickelt von %1 - %2</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.0</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>tessarine::frmApertura</name>
    <message>
        <source>Show distractor for symbols</source>
        <translation>Distraktor bei Symbolen</translation>
    </message>
    <message>
        <source>Show distractor for attributes</source>
        <translation>Distraktor bei Merkmalen</translation>
    </message>
    <message>
        <source>Same category of image</source>
        <translation>Gleiche Kategorie</translation>
    </message>
    <message>
        <source>Full random (regardless of category)</source>
        <translation>Zufällig (jede Kategorie)</translation>
    </message>
    <message>
        <source>Program Options</source>
        <extracomment>The options window&apos;s heading</extracomment>
        <translation>Programmoptionen</translation>
    </message>
    <message>
        <source>Distractors management</source>
        <translation>Distraktoren</translation>
    </message>
    <message>
        <source>Attribute distractor chosing method</source>
        <translation>Wahl des Merkmal-Distraktors</translation>
    </message>
    <message>
        <source>Use sequence between symbols and attributes</source>
        <translation>Erst Symbol, dann Merkmal</translation>
    </message>
    <message>
        <source>Sounds management</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Sound for &quot;OK&quot;</source>
        <translation>Ton für „OK“</translation>
    </message>
    <message>
        <source>Play the OK sound</source>
        <translation>OK-Ton abspielen</translation>
    </message>
    <message>
        <source>Sound for &quot;error&quot;</source>
        <translation>Ton für „Fehler“</translation>
    </message>
    <message>
        <source>Play the wrong-answer sound</source>
        <translation>Fehlerton abspielen</translation>
    </message>
    <message>
        <source>Start program</source>
        <extracomment>Button: closes the options and starts the exercise</extracomment>
        <translation>Programm starten</translation>
    </message>
    <message>
        <source>Learner</source>
        <extracomment>Label of the list of learners&apos; names</extracomment>
        <translation>Lerner</translation>
    </message>
    <message>
        <source>Whose answers are recorded; leave empty to record nothing</source>
        <translation>Wessen Antworten protokolliert werden; leer lassen, um nichts zu protokollieren</translation>
    </message>
    <message>
        <source>Records...</source>
        <extracomment>Button: opens the learner&apos;s records</extracomment>
        <translation>Protokoll...</translation>
    </message>
    <message>
        <source>Access...</source>
        <extracomment>Button: opens the learner&apos;s keyboard, switch and screen settings</extracomment>
        <translation>Bedienung...</translation>
    </message>
    <message>
        <source>Keyboard, switches and screen size for this learner</source>
        <translation>Tastatur, Taster und Anzeigegröße für diesen Lerner</translation>
    </message>
    <message>
        <source>Teaching...</source>
        <extracomment>Button: opens the learner&apos;s teaching settings</extracomment>
        <translation>Förderung...</translation>
    </message>
    <message>
        <source>Targets, prompts, corrections and rewards for this learner</source>
        <translation>Lernziele, Hilfen, Korrekturen und Belohnungen für diesen Lerner</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Label of the list of picture collections</extracomment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>The pictures the exercise shows</source>
        <translation>Die Bilder, die die Übung zeigt</translation>
    </message>
    <message>
        <source>Pictures...</source>
        <extracomment>Button: opens the window that adds, names and checks pictures</extracomment>
        <translation>Bilder...</translation>
    </message>
    <message>
        <source>Add, name and check the pictures of this collection</source>
        <translation>Bilder dieser Sammlung hinzufügen, benennen und prüfen</translation>
    </message>
    <message>
        <source>Other folder...</source>
        <extracomment>Last entry of the list of picture collections: choose a folder</extracomment>
        <translation>Anderer Ordner...</translation>
    </message>
    <message>
        <source>Pictures: choose a folder with Images, Symbols, Attributes and Sounds</source>
        <extracomment>Title of the folder dialog; Images, Symbols, Attributes and Sounds are folder names, kept as they are</extracomment>
        <translation>Bilder: Ordner mit Images, Symbols, Attributes und Sounds wählen</translation>
    </message>
</context>
<context>
    <name>tessarine::frmMain</name>
    <message>
        <source>Change set</source>
        <extracomment>Button: shows the next set of pictures</extracomment>
        <translation>Nächste Runde</translation>
    </message>
    <message>
        <source>Caption</source>
        <extracomment>The text under the object picture (its name)</extracomment>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Object picture</source>
        <translation>Objektbild</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The row of symbol pictures to choose from</extracomment>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The row of attribute pictures (colours, sizes...) to choose from</extracomment>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>First symbol</source>
        <translation>Erstes Symbol</translation>
    </message>
    <message>
        <source>Second symbol</source>
        <translation>Zweites Symbol</translation>
    </message>
    <message>
        <source>First attribute</source>
        <translation>Erstes Merkmal</translation>
    </message>
    <message>
        <source>Second attribute</source>
        <translation>Zweites Merkmal</translation>
    </message>
    <message>
        <source>Focus ring</source>
        <extracomment>The ring that marks the picture a key or switch would choose</extracomment>
        <translation>Fokusring</translation>
    </message>
    <message>
        <source>Answer shown</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Antwort gezeigt</translation>
    </message>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Token</translation>
    </message>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Belohnung</translation>
    </message>
</context>
</TS>
