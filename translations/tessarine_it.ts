<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessDialog</name>
    <message>
        <source>Left mouse button</source>
        <translation>Tasto sinistro del mouse</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Tasto destro del mouse</translation>
    </message>
    <message>
        <source>Middle mouse button</source>
        <translation>Tasto centrale del mouse</translation>
    </message>
    <message>
        <source>Back mouse button</source>
        <translation>Tasto Indietro del mouse</translation>
    </message>
    <message>
        <source>Forward mouse button</source>
        <translation>Tasto Avanti del mouse</translation>
    </message>
    <message>
        <source>No mouse button</source>
        <translation>Nessun tasto del mouse</translation>
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
        <translation>Il sensore di avanzamento e il sensore di scelta inviano lo stesso tasto. Assegna a ciascun sensore un tasto diverso.</translation>
    </message>
    <message>
        <source>The step switch and the choose switch use the same mouse button. Give each switch its own button, or none.</source>
        <translation>Il sensore di avanzamento e il sensore di scelta usano lo stesso tasto del mouse. Assegna a ciascun sensore un tasto diverso, oppure nessuno.</translation>
    </message>
</context>
<context>
    <name>AddPictureCommand</name>
    <message>
        <source>Usage: tessarine --add-picture FILE --as OBJECT.CATEGORY.VALUE [--collection FOLDER]</source>
        <extracomment>The command line&apos;s form: the program&apos;s name and the options stay as they are</extracomment>
        <translation>Uso: tessarine --add-picture FILE --as OGGETTO.CATEGORIA.VALORE [--collection CARTELLA]</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option such as --as</extracomment>
        <translation>%1 richiede un valore.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opzione sconosciuta %1.</translation>
    </message>
    <message>
        <source>One picture at a time: %1 is one too many.</source>
        <extracomment>%1 is a second picture file given on the command line</extracomment>
        <translation>Un&apos;immagine alla volta: %1 è di troppo.</translation>
    </message>
    <message>
        <source>Which picture? Name its file.</source>
        <translation>Quale immagine? Indica il suo file.</translation>
    </message>
    <message>
        <source>Give the picture its name with --as, as in --as cup.colour.red.</source>
        <extracomment>--as is the option&apos;s name; the example is a file name&apos;s three parts, object, category and value</extracomment>
        <translation>Dai un nome all&apos;immagine con --as, ad esempio --as tazza.colore.rosso.</translation>
    </message>
</context>
<context>
    <name>AudioOutputs</name>
    <message>
        <source>This computer has no sound output, so no sound will be heard. Connect speakers or headphones, or switch the sound on in the computer&apos;s settings, then start Tessarine again.</source>
        <translation>Questo computer non ha un&apos;uscita audio, quindi non si sentirà alcun suono. Collega altoparlanti o cuffie, oppure attiva l&apos;audio nelle impostazioni del computer, poi riavvia Tessarine.</translation>
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
        <translation>Controlla le immagini e i suoni di una cartella di programma di Tessarine come li legge l&apos;esercizio e
indica, per ogni file, che cosa succederà nell&apos;esercizio e come correggerlo: immagini di oggetti senza
simbolo o attributo, nomi con troppo poche parti, impostazioni delle opzioni con cui una serie si interrompe
con un errore, immagini che non si possono caricare o non vengono mai mostrate, cartelle con più di 1000
immagini, suoni mancanti.

Stato di uscita: 0 ogni serie funziona e non è stato rilevato nulla; 1 è stato rilevato qualcosa; 2 la
cartella non si può leggere, la scheda non si può scrivere o la riga di comando è errata.</translation>
    </message>
    <message>
        <source>Usage: %1 (--help tells more)</source>
        <extracomment>%1 is how the command is written: keep it as it is</extracomment>
        <translation>Uso: %1 (--help per saperne di più)</translation>
    </message>
    <message>
        <source>Print the findings as JSON (schema &quot;tessarine-check/1&quot;) instead of text.</source>
        <translation>Stampa le segnalazioni in formato JSON (schema &quot;tessarine-check/1&quot;) invece che come testo.</translation>
    </message>
    <message>
        <source>Also write a printable A4 sheet with one row per object picture: the picture, its caption, its symbol and its attribute, problems marked in colour.</source>
        <translation>Scrive anche una scheda A4 stampabile con una riga per ogni immagine di oggetto: l&apos;immagine, la sua didascalia, il suo simbolo e il suo attributo, con i problemi evidenziati a colori.</translation>
    </message>
    <message>
        <source>The folder that holds the Images, Symbols, Attributes and Sounds folders; without it the collection the program uses, as chosen in its options window (the program&apos;s own folder when none was chosen).</source>
        <translation>La cartella che contiene le cartelle Images, Symbols, Attributes e Sounds; se omessa, la raccolta usata dal programma, come scelta nella finestra delle opzioni (la cartella del programma stesso se non ne è stata scelta nessuna).</translation>
    </message>
    <message>
        <source>One --sheet at a time.</source>
        <translation>Un solo --sheet alla volta.</translation>
    </message>
    <message>
        <source>--sheet needs the name of the PDF file to write.</source>
        <translation>--sheet richiede il nome del file PDF da scrivere.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>Il nome della cartella è vuoto.</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Scheda scritta in %1</translation>
    </message>
    <message numerus="yes">
        <source>One folder at a time, not %n: &quot;%1&quot;.</source>
        <extracomment>%1 is the folders given, in quotes</extracomment>
        <translation>
            <numerusform>Una cartella alla volta, non %n: &quot;%1&quot;.</numerusform>
            <numerusform>Una cartella alla volta, non %n: &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <source>%1 on</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>%1 attivo</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>%1 disattivo</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>the options under which a finding holds: all of them</extracomment>
        <translation>Sempre</translation>
    </message>
    <message>
        <source>With %1</source>
        <extracomment>%1, %2 and %3 name options, each as it is set (&quot;on&quot;, &quot;off&quot;, or a choice)</extracomment>
        <translation>Con %1</translation>
    </message>
    <message>
        <source>With %1 and %2</source>
        <translation>Con %1 e %2</translation>
    </message>
    <message>
        <source>With %1 and %2 and %3</source>
        <translation>Con %1, %2 e %3</translation>
    </message>
</context>
<context>
    <name>CollectionChoice</name>
    <message>
        <source>The pictures chosen before, in %1, are no longer there (was the folder moved, renamed or on a disk that is not plugged in?). The program&apos;s own pictures are used instead.</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>Le immagini scelte in precedenza, in %1, non ci sono più (la cartella è stata spostata, rinominata o si trova su un disco non collegato?). Vengono usate al loro posto le immagini del programma.</translation>
    </message>
</context>
<context>
    <name>CollectionEditor</name>
    <message>
        <source>Could not write %1: %2.</source>
        <extracomment>%1 is a file or folder, %2 why it could not be written</extracomment>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>The part of the picture to keep is empty.</source>
        <translation>La parte dell&apos;immagine da conservare è vuota.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>Ends &quot;Could not write ...: &quot;; %1 is the path in the way</extracomment>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>this folder may not be written here</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>non è consentito scrivere questa cartella qui</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>non è stato possibile creare la cartella</translation>
    </message>
    <message>
        <source>Which object is to be renamed? None was named.</source>
        <translation>Quale oggetto va rinominato? Non ne è stato indicato nessuno.</translation>
    </message>
    <message>
        <source>Which category is to be renamed? None was named.</source>
        <translation>Quale categoria va rinominata? Non ne è stata indicata nessuna.</translation>
    </message>
    <message>
        <source>Which value is to be renamed? None was named.</source>
        <translation>Quale valore va rinominato? Non ne è stato indicato nessuno.</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>esiste già un file con quel nome</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. Nothing was renamed.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why it could not be renamed</extracomment>
        <translation>Impossibile rinominare %1 in %2: %3. Non è stato rinominato nulla.</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. These files kept their new names: %4.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why, %4 the files that kept their new names</extracomment>
        <translation>Impossibile rinominare %1 in %2: %3. Questi file hanno mantenuto il nuovo nome: %4.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash; it was left where it is.</source>
        <translation>Impossibile spostare %1 nel cestino; è stato lasciato dov&apos;è.</translation>
    </message>
</context>
<context>
    <name>Collections</name>
    <message>
        <source>The picture %1 could not be copied into the new collection.</source>
        <translation>Non è stato possibile copiare l&apos;immagine %1 nella nuova raccolta.</translation>
    </message>
    <message>
        <source>Program&apos;s own pictures</source>
        <extracomment>The collection of pictures that comes with the program, first in the &quot;Pictures&quot; list</extracomment>
        <translation>Immagini del programma</translation>
    </message>
    <message>
        <source>A new collection needs a name.</source>
        <translation>Una nuova raccolta deve avere un nome.</translation>
    </message>
    <message>
        <source>The name of a collection cannot hold a slash: &quot;%1&quot;.</source>
        <translation>Il nome di una raccolta non può contenere una barra: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The name of a collection cannot start with a dot: &quot;%1&quot;.</source>
        <translation>Il nome di una raccolta non può iniziare con un punto: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is already a collection named &quot;%1&quot;.</source>
        <translation>Esiste già una raccolta di nome &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder for collections, %1, could not be made.</source>
        <translation>Non è stato possibile creare la cartella delle raccolte, %1.</translation>
    </message>
    <message>
        <source>The collection &quot;%1&quot; could not be made in %2.</source>
        <translation>Non è stato possibile creare la raccolta &quot;%1&quot; in %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tessarine --export-records LEARNER FILE.csv</source>
        <extracomment>The command and its option stay as they are; LEARNER and FILE.csv say what to write there</extracomment>
        <translation>Uso: tessarine --export-records ALLIEVO FILE.csv</translation>
    </message>
</context>
<context>
    <name>DirectoryListing</name>
    <message>
        <source>Invalid file pattern: %1</source>
        <translation>Schema di file non valido: %1</translation>
    </message>
    <message>
        <source>Folder cannot be read: %1</source>
        <translation>Impossibile leggere la cartella: %1</translation>
    </message>
</context>
<context>
    <name>DistractorFindings</name>
    <message>
        <source>No symbol that could be shown as the wrong choice can be loaded (%1).</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>Non si può caricare nessun simbolo che possa essere mostrato come scelta sbagliata (%1).</translation>
    </message>
    <message>
        <source>No attribute that could be shown as the wrong choice can be loaded (%1).</source>
        <translation>Non si può caricare nessun attributo che possa essere mostrato come scelta sbagliata (%1).</translation>
    </message>
    <message>
        <source>Replace the pictures that cannot be loaded (see below).</source>
        <translation>Sostituisci le immagini che non si possono caricare (vedi sotto).</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with the error of the picture drawn.</source>
        <translation>%1, la serie si interrompe a metà con l&apos;errore dell&apos;immagine estratta.</translation>
    </message>
    <message>
        <source>%1, the exercise gives up after %2 draws that miss, so the set can stop half-way with error 550 %3 (%4).</source>
        <extracomment>%1 names the options, %2 is a number of draws, %3 the exercise&apos;s error message, %4 how often</extracomment>
        <translation>%1, l&apos;esercizio rinuncia dopo %2 estrazioni andate a vuoto, quindi la serie può interrompersi a metà con l&apos;errore 550 %3 (%4).</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects.</source>
        <translation>Aggiungi immagini di simboli per altri oggetti.</translation>
    </message>
    <message>
        <source>Add attributes with other values to the category &quot;%1&quot;.</source>
        <translation>Aggiungi attributi con altri valori alla categoria &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add attributes with other values.</source>
        <translation>Aggiungi attributi con altri valori.</translation>
    </message>
    <message>
        <source>There is no symbol with another name to show as the wrong choice: every symbol picture is a &quot;%1&quot;.</source>
        <translation>Non c&apos;è nessun simbolo con un altro nome da mostrare come scelta sbagliata: ogni immagine di simbolo è un &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects, or turn off %1.</source>
        <translation>Aggiungi immagini di simboli per altri oggetti, oppure disattiva %1.</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>Non esiste alcun attributo della categoria &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1, %2 (the exercise tries to load the Attributes folder itself as a picture).</source>
        <translation>%1, %2 (l&apos;esercizio prova a caricare come immagine la cartella Attributes stessa).</translation>
    </message>
    <message>
        <source>Add attribute pictures %1.VALUE.jpg for at least two values, or choose %2.</source>
        <translation>Aggiungi immagini di attributi %1.VALORE.jpg per almeno due valori, oppure scegli %2.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has no other value than &quot;%2&quot; to show as the wrong choice.</source>
        <translation>La categoria &quot;%1&quot; non ha altri valori oltre a &quot;%2&quot; da mostrare come scelta sbagliata.</translation>
    </message>
    <message>
        <source>Add another attribute of this category (for example %1), or choose %2.</source>
        <translation>Aggiungi un altro attributo di questa categoria (ad esempio %1), oppure scegli %2.</translation>
    </message>
    <message>
        <source>Every attribute carries the value &quot;%1&quot;, so there is none to show as the wrong choice.</source>
        <translation>Ogni attributo ha il valore &quot;%1&quot;, quindi non ce n&apos;è nessuno da mostrare come scelta sbagliata.</translation>
    </message>
    <message>
        <source>Add an attribute with another value, or turn off %1.</source>
        <translation>Aggiungi un attributo con un altro valore, oppure disattiva %1.</translation>
    </message>
    <message numerus="yes">
        <source>Of the %n symbol(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <extracomment>%1 is how many of them can serve</extracomment>
        <translation>
            <numerusform>Dell&apos;unico simbolo (%n) da cui si estrae la scelta sbagliata, solo %1 è utilizzabile.</numerusform>
            <numerusform>Dei %n simboli da cui si estrae la scelta sbagliata, solo %1 sono utilizzabili.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %n attribute(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <translation>
            <numerusform>Dell&apos;unico attributo (%n) da cui si estrae la scelta sbagliata, solo %1 è utilizzabile.</numerusform>
            <numerusform>Dei %n attributi da cui si estrae la scelta sbagliata, solo %1 sono utilizzabili.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Error &quot;%1&quot; in %2() function</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the function, kept as it is</extracomment>
        <translation>Errore &quot;%1&quot; nella funzione %2()</translation>
    </message>
    <message>
        <source>Error &quot;%1&quot; in %2() routine</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the routine, kept as it is</extracomment>
        <translation>Errore &quot;%1&quot; nella routine %2()</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <extracomment>%1 is the error&apos;s number, %2 what went wrong</extracomment>
        <translation>Errore di run-time &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>ExerciseSession</name>
    <message>
        <source>No object picture has the chosen targets: all the pictures are drawn</source>
        <translation>Nessuna immagine di oggetto ha gli obiettivi scelti: vengono estratte tutte le immagini</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>This is a folder inside %1; the pictures in it are never looked at.</source>
        <translation>Questa è una cartella dentro %1; le immagini che contiene non vengono mai considerate.</translation>
    </message>
    <message>
        <source>None of its pictures is ever shown.</source>
        <translation>Nessuna delle sue immagini viene mai mostrata.</translation>
    </message>
    <message>
        <source>Move the pictures you want into the %1 folder itself.</source>
        <translation>Sposta le immagini che ti servono direttamente nella cartella %1.</translation>
    </message>
    <message>
        <source>There is already a %1 in %2: keep the one you want, or give this one a name of its own.</source>
        <translation>In %2 c&apos;è già un %1: tieni quello che ti serve, oppure dai a questo un nome diverso.</translation>
    </message>
    <message>
        <source>This file is hidden (its name starts with a full stop).</source>
        <translation>Questo file è nascosto (il suo nome inizia con un punto).</translation>
    </message>
    <message>
        <source>Hidden files are never listed, so this picture is never shown.</source>
        <translation>I file nascosti non vengono mai elencati, quindi questa immagine non viene mai mostrata.</translation>
    </message>
    <message>
        <source>Rename it without the leading full stop, to %1.</source>
        <translation>Rinominalo senza il punto iniziale, in %1.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in &quot;.%1&quot;.</source>
        <translation>Vengono usate solo le immagini il cui nome termina con &quot;.jpg&quot;; questa termina con &quot;.%1&quot;.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in a blank.</source>
        <translation>Vengono usate solo le immagini il cui nome termina con &quot;.jpg&quot;; questa termina con uno spazio.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one has no ending at all.</source>
        <translation>Vengono usate solo le immagini il cui nome termina con &quot;.jpg&quot;; questa non ha alcuna estensione.</translation>
    </message>
    <message>
        <source>This picture is never shown.</source>
        <translation>Questa immagine non viene mai mostrata.</translation>
    </message>
    <message>
        <source>It is a JPEG picture: rename it to %1.</source>
        <translation>È un&apos;immagine JPEG: rinominala in %1.</translation>
    </message>
    <message>
        <source>Save it as a JPEG picture named %1 (in a picture editor: &quot;Save as&quot;, JPEG).</source>
        <translation>Salvala come immagine JPEG con il nome %1 (in un programma di grafica: &quot;Salva con nome&quot;, JPEG).</translation>
    </message>
    <message>
        <source>The %1 folder is missing.</source>
        <translation>Manca la cartella %1.</translation>
    </message>
    <message>
        <source>Create a folder named %1 (with this spelling) beside the program and put your pictures in it.</source>
        <translation>Crea una cartella di nome %1 (scritto esattamente così) accanto al programma e mettici dentro le tue immagini.</translation>
    </message>
    <message>
        <source>The %1 folder cannot be read.</source>
        <translation>Impossibile leggere la cartella %1.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder (for example: chmod a+rx %1).</source>
        <translation>Dai a tutti gli utenti il permesso di leggere la cartella (ad esempio: chmod a+rx %1).</translation>
    </message>
    <message>
        <source>The %1 folder holds no .jpg picture.</source>
        <translation>La cartella %1 non contiene immagini .jpg.</translation>
    </message>
    <message>
        <source>Put your pictures, saved as .jpg, into the %1 folder.</source>
        <translation>Metti le tue immagini, salvate come .jpg, nella cartella %1.</translation>
    </message>
    <message>
        <source>the set stops half-way</source>
        <translation>la serie si interrompe a metà</translation>
    </message>
    <message>
        <source>No set can be shown: when the exercise opens, %1.</source>
        <translation>Non si può mostrare nessuna serie: quando si apre l&apos;esercizio, %1.</translation>
    </message>
    <message>
        <source>No set has a right symbol, and with %1 on %2.</source>
        <translation>Nessuna serie ha un simbolo giusto, e con %1 attivo %2.</translation>
    </message>
    <message>
        <source>No set has a right attribute, and with %1 on %2.</source>
        <translation>Nessuna serie ha un attributo giusto, e con %1 attivo %2.</translation>
    </message>
    <message>
        <source>The exercise also shows the message %1 when it opens.</source>
        <translation>All&apos;apertura l&apos;esercizio mostra anche il messaggio %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n time(s), once for each of them</source>
        <translation>
            <numerusform>%n volta, una per ciascuna</numerusform>
            <numerusform>%n volte, una per ciascuna</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep at most %1 pictures in %2; move the others to a folder of their own and swap them in when needed.</source>
        <translation>Tieni al massimo %1 immagini in %2; sposta le altre in una cartella a parte e scambiale quando servono.</translation>
    </message>
    <message>
        <source>The Sounds folder is missing.</source>
        <translation>Manca la cartella Sounds.</translation>
    </message>
    <message>
        <source>Create a folder named Sounds beside the program with the wave files ok.wav and error.wav.</source>
        <translation>Crea una cartella di nome Sounds accanto al programma con i file wave ok.wav ed error.wav.</translation>
    </message>
    <message>
        <source>The Sounds folder cannot be read (%1).</source>
        <translation>Impossibile leggere la cartella Sounds (%1).</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen.</source>
        <translation>Non si può scegliere nessun suono di risposta.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder.</source>
        <translation>Dai a tutti gli utenti il permesso di leggere la cartella.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no right-answer sound is chosen, so a right-answer click is silent.</source>
        <translation>Al primo avvio (o quando il suono scelto non c&apos;è più) non è scelto alcun suono per la risposta giusta, quindi un clic giusto resta muto.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no wrong-answer sound is chosen, so a wrong-answer click is silent.</source>
        <translation>Al primo avvio (o quando il suono scelto non c&apos;è più) non è scelto alcun suono per la risposta sbagliata, quindi un clic sbagliato resta muto.</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>Impossibile riprodurre %1: %2</translation>
    </message>
    <message>
        <source>Chosen as a feedback sound, it is not heard, and the learner gets no answer.</source>
        <translation>Se viene scelto come suono di risposta non si sente, e l&apos;allievo non riceve alcun riscontro.</translation>
    </message>
    <message>
        <source>Save it again as a PCM wave file (WAV, 16 bit), or choose another sound.</source>
        <translation>Salvalo di nuovo come file wave PCM (WAV, 16 bit), oppure scegli un altro suono.</translation>
    </message>
    <message>
        <source>There is no %1 in the Sounds folder.</source>
        <translation>Nella cartella Sounds non c&apos;è %1.</translation>
    </message>
    <message>
        <source>Add a wave file named %1, or choose another sound in the options window.</source>
        <translation>Aggiungi un file wave di nome %1, oppure scegli un altro suono nella finestra delle opzioni.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 folder holds %n picture(s); only the first %2 (in name order) are used.</source>
        <extracomment>%1 is a folder&apos;s name, %2 the most pictures the exercise lists</extracomment>
        <translation>
            <numerusform>La cartella %1 contiene %n immagine; vengono usate solo le prime %2 (in ordine di nome).</numerusform>
            <numerusform>La cartella %1 contiene %n immagini; vengono usate solo le prime %2 (in ordine di nome).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) never shown (%1), and every time the exercise opens it shows the error message %2 %3.</source>
        <extracomment>%1 is a list of file names, %2 the exercise&apos;s error message, %3 how often it is shown</extracomment>
        <translation>
            <numerusform>%n immagine mai mostrata (%1), e ogni volta che si apre l&apos;esercizio compare il messaggio di errore %2 %3.</numerusform>
            <numerusform>%n immagini mai mostrate (%1), e ogni volta che si apre l&apos;esercizio compare il messaggio di errore %2 %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>how often the exercise shows an error message</extracomment>
        <translation>una volta</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen: both sound lists offer only &quot;%1&quot;.</source>
        <translation>Non si può scegliere nessun suono di risposta: entrambi gli elenchi dei suoni offrono solo &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>HeifReader</name>
    <message>
        <source>too large</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>troppo grande</translation>
    </message>
    <message>
        <source>no picture data</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>nessun dato di immagine</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;; %1 by %2 are the picture&apos;s width and height</extracomment>
        <translation>memoria insufficiente per %1 per %2</translation>
    </message>
</context>
<context>
    <name>ImportPanel</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>too large to decode at %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>troppo grande per essere decodificata a %1 per %2</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>memoria insufficiente per %1 per %2</translation>
    </message>
</context>
<context>
    <name>KeyCaptureButton</name>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key&apos;s name on a button</extracomment>
        <translation>Invio</translation>
    </message>
</context>
<context>
    <name>ListFindings</name>
    <message>
        <source>Its name differs from %1 only in capital and small letters.</source>
        <translation>Il suo nome differisce da %1 solo per maiuscole e minuscole.</translation>
    </message>
    <message>
        <source>Names are compared without regard to capitals, so only %1 is ever shown as the right answer. Copied to a memory stick or a Windows computer, one file would also replace the other.</source>
        <translation>I nomi vengono confrontati senza distinguere maiuscole e minuscole, quindi solo %1 viene mostrato come risposta giusta. Copiando su una chiavetta USB o su un computer Windows, un file sostituirebbe anche l&apos;altro.</translation>
    </message>
    <message>
        <source>Both are shown, but copied to a memory stick or a Windows computer one file would replace the other.</source>
        <translation>Vengono mostrati entrambi, ma copiando su una chiavetta USB o su un computer Windows un file sostituirebbe l&apos;altro.</translation>
    </message>
    <message>
        <source>Delete one of the two, or give them different names.</source>
        <translation>Elimina uno dei due, oppure dai loro nomi diversi.</translation>
    </message>
    <message>
        <source>It has the same symbol name as %1, which comes first.</source>
        <translation>Ha lo stesso nome di simbolo di %1, che viene prima.</translation>
    </message>
    <message>
        <source>It has the same category and value as %1, which comes first.</source>
        <translation>Ha la stessa categoria e lo stesso valore di %1, che viene prima.</translation>
    </message>
    <message>
        <source>Only %1 is ever shown as the right answer (for %2); this picture only ever appears as a distractor in other sets.</source>
        <translation>Solo %1 viene mostrato come risposta giusta (per %2); questa immagine compare solo come distrattore in altre serie.</translation>
    </message>
    <message>
        <source>Keep only the picture you want, or give this one a name of its own.</source>
        <translation>Tieni solo l&apos;immagine che ti serve, oppure dai a questa un nome diverso.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; attribute pictures need two: category.value.jpg.</source>
        <translation>Il nome ha una sola parte prima di &quot;.jpg&quot;; le immagini di attributi ne richiedono due: categoria.valore.jpg.</translation>
    </message>
    <message>
        <source>It is read as the category &quot;%1&quot; with the value &quot;jpg&quot;, so it is the right answer of no picture.</source>
        <translation>Viene letto come categoria &quot;%1&quot; con valore &quot;jpg&quot;, quindi non è la risposta giusta di nessuna immagine.</translation>
    </message>
    <message>
        <source>Rename it to category.value.jpg, for example %1.</source>
        <translation>Rinominalo in categoria.valore.jpg, ad esempio %1.</translation>
    </message>
    <message>
        <source>Every set with %1 %2.</source>
        <translation>Ogni serie con %1 %2.</translation>
    </message>
    <message>
        <source>%1, other sets stop the same way whenever this picture is drawn as the wrong choice.</source>
        <translation>%1, le altre serie si interrompono allo stesso modo ogni volta che questa immagine viene estratta come scelta sbagliata.</translation>
    </message>
    <message>
        <source>It is not used in any set at the moment, but would stop any set it is shown in.</source>
        <translation>Al momento non è usata in nessuna serie, ma interromperebbe qualsiasi serie in cui venisse mostrata.</translation>
    </message>
</context>
<context>
    <name>MediaChecker</name>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Impossibile leggere la cartella %1.</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Nothing can be checked.</source>
        <translation>Non si può controllare nulla.</translation>
    </message>
    <message>
        <source>Give the folder that holds the program and its Images, Symbols, Attributes and Sounds folders.</source>
        <translation>Indica la cartella che contiene il programma e le sue cartelle Images, Symbols, Attributes e Sounds.</translation>
    </message>
</context>
<context>
    <name>NameHints</name>
    <message>
        <source>Is the category &quot;%1&quot; a spelling slip for %2?</source>
        <extracomment>%1 is a part of a file name, %2 a list of names like it</extracomment>
        <translation>La categoria &quot;%1&quot; è forse un errore di battitura per %2?</translation>
    </message>
    <message>
        <source>Is the value &quot;%1&quot; a spelling slip for %2?</source>
        <translation>Il valore &quot;%1&quot; è forse un errore di battitura per %2?</translation>
    </message>
    <message>
        <source>Symbols/%1 is there, but it is never used (see below).</source>
        <translation>Symbols/%1 esiste, ma non viene mai usato (vedi sotto).</translation>
    </message>
    <message>
        <source>Is it a spelling slip for %1?</source>
        <comment>%1 is a list of file names</comment>
        <translation>È forse un errore di battitura per %1?</translation>
    </message>
    <message>
        <source>Attributes/%1 is there, but it is never used (see below).</source>
        <translation>Attributes/%1 esiste, ma non viene mai usato (vedi sotto).</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>Non esiste alcun attributo della categoria &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has: %2.</source>
        <comment>%2 is a list of values</comment>
        <translation>La categoria &quot;%1&quot; ha: %2.</translation>
    </message>
</context>
<context>
    <name>ObjectAnalysis</name>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <translation>Impossibile riprodurre la registrazione %1: %2</translation>
    </message>
    <message>
        <source>With the spoken caption on, the synthetic voice speaks instead, and the first set with this picture shows an error message.</source>
        <translation>Con la didascalia parlata attiva, parla invece la voce sintetica, e la prima serie con questa immagine mostra un messaggio di errore.</translation>
    </message>
    <message>
        <source>Record it again and save it as a PCM wave file (WAV, 16 bit).</source>
        <translation>Registrala di nuovo e salvala come file wave PCM (WAV, 16 bit).</translation>
    </message>
</context>
<context>
    <name>ObjectFindings</name>
    <message>
        <source>Whenever this picture is drawn, %1.</source>
        <translation>Ogni volta che questa immagine viene estratta, %1.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>Il nome ha una sola parte prima di &quot;.jpg&quot;; le immagini di oggetti ne richiedono tre: simbolo.categoria.valore.jpg.</translation>
    </message>
    <message>
        <source>The name has only two parts before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>Il nome ha solo due parti prima di &quot;.jpg&quot;; le immagini di oggetti ne richiedono tre: simbolo.categoria.valore.jpg.</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg, for example %1.</source>
        <translation>Rinominala in simbolo.categoria.valore.jpg, ad esempio %1.</translation>
    </message>
    <message>
        <source>The name has an empty part (two full stops in a row).</source>
        <translation>Il nome ha una parte vuota (due punti di fila).</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg with one full stop between the parts.</source>
        <translation>Rinominala in simbolo.categoria.valore.jpg con un solo punto tra le parti.</translation>
    </message>
    <message>
        <source>The caption reads %1 (the extension is taken for the value), and only an attribute named %2.jpg would match.</source>
        <extracomment>%1 is the caption as the exercise shows it, %2 the second part of the picture&apos;s name</extracomment>
        <translation>La didascalia è %1 (l&apos;estensione viene presa come valore), e corrisponderebbe solo un attributo di nome %2.jpg.</translation>
    </message>
    <message numerus="yes">
        <source>The caption reads %1. The exercise shows two error messages %2 each time it reads the missing third part: %n message(s) every time this picture comes up, and more with %3 on.</source>
        <extracomment>%1 is the caption, %2 the exercise&apos;s error message, %3 the name of an option</extracomment>
        <translation>
            <numerusform>La didascalia è %1. L&apos;esercizio mostra due messaggi di errore %2 ogni volta che legge la terza parte mancante: %n messaggio ogni volta che compare questa immagine, e di più con %3 attivo.</numerusform>
            <numerusform>La didascalia è %1. L&apos;esercizio mostra due messaggi di errore %2 ogni volta che legge la terza parte mancante: %n messaggi ogni volta che compare questa immagine, e di più con %3 attivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The caption reads %1; an empty part matches no symbol or attribute.</source>
        <translation>La didascalia è %1; una parte vuota non corrisponde a nessun simbolo o attributo.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer.</source>
        <translation>La riga degli attributi non ha una risposta giusta.</translation>
    </message>
    <message>
        <source>There is no symbol picture for &quot;%1&quot;.</source>
        <translation>Non c&apos;è un&apos;immagine di simbolo per &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add a symbol picture named %1.jpg to the Symbols folder (the first part of this picture&apos;s name).</source>
        <translation>Aggiungi alla cartella Symbols un&apos;immagine di simbolo di nome %1.jpg (la prima parte del nome di questa immagine).</translation>
    </message>
    <message>
        <source>Its symbol %1 cannot be loaded.</source>
        <translation>Impossibile caricare il suo simbolo %1.</translation>
    </message>
    <message>
        <source>Replace Symbols/%1 (see below).</source>
        <translation>Sostituisci Symbols/%1 (vedi sotto).</translation>
    </message>
    <message>
        <source>There is no attribute picture for &quot;%1&quot; &quot;%2&quot;.</source>
        <translation>Non c&apos;è un&apos;immagine di attributo per &quot;%1&quot; &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Add an attribute picture named %1.%2.jpg to the Attributes folder, or rename this picture after an attribute that exists.</source>
        <translation>Aggiungi alla cartella Attributes un&apos;immagine di attributo di nome %1.%2.jpg, oppure rinomina questa immagine secondo un attributo esistente.</translation>
    </message>
    <message>
        <source>Its attribute %1 cannot be loaded.</source>
        <translation>Impossibile caricare il suo attributo %1.</translation>
    </message>
    <message>
        <source>Replace Attributes/%1 (see below).</source>
        <translation>Sostituisci Attributes/%1 (vedi sotto).</translation>
    </message>
    <message>
        <source>The symbol row has no right answer: with %1 off it stays blank, with it on only a wrong symbol is shown. With &quot;Use sequence&quot; on, the attribute row never appears, so the learner can only leave the set with &quot;%2&quot;.</source>
        <translation>La riga dei simboli non ha una risposta giusta: con %1 disattivo resta vuota, con %1 attivo viene mostrato solo un simbolo sbagliato. Con &quot;Usa la sequenza&quot; attivo, la riga degli attributi non compare mai, quindi l&apos;allievo può lasciare la serie solo con &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer (with %1 on only a wrong one is shown). With &quot;Use sequence&quot; on, the learner cannot finish the set: only &quot;%2&quot; leaves it.</source>
        <translation>La riga degli attributi non ha una risposta giusta (con %1 attivo viene mostrato solo un attributo sbagliato). Con &quot;Usa la sequenza&quot; attivo, l&apos;allievo non può completare la serie: solo &quot;%2&quot; permette di lasciarla.</translation>
    </message>
</context>
<context>
    <name>OptionsLogic</name>
    <message>
        <source>*** NO SOUND ***</source>
        <extracomment>The first entry of both sound lists: play no sound</extracomment>
        <translation>*** NESSUN SUONO ***</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Invalid picture %1 (%2)</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be loaded</extracomment>
        <translation>Immagine non valida %1 (%2)</translation>
    </message>
    <message>
        <source>too large: %1 by %2</source>
        <translation>troppo grande: %1 per %2</translation>
    </message>
    <message>
        <source>not a readable picture</source>
        <translation>immagine non leggibile</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>not a readable picture: %1</source>
        <translation>immagine non leggibile: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>danneggiata: %1</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>The object is empty.</source>
        <translation>L&apos;oggetto è vuoto.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>L&apos;oggetto &quot;%1&quot; contiene un punto; i punti servono solo a separare le parti.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>L&apos;oggetto &quot;%1&quot; contiene un carattere che non può stare in un nome di file.</translation>
    </message>
    <message>
        <source>The category is empty.</source>
        <translation>La categoria è vuota.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>La categoria &quot;%1&quot; contiene un punto; i punti servono solo a separare le parti.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>La categoria &quot;%1&quot; contiene un carattere che non può stare in un nome di file.</translation>
    </message>
    <message>
        <source>The value is empty.</source>
        <translation>Il valore è vuoto.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>Il valore &quot;%1&quot; contiene un punto; i punti servono solo a separare le parti.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>Il valore &quot;%1&quot; contiene un carattere che non può stare in un nome di file.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</source>
        <extracomment>The example is a file name&apos;s three parts; it may be given in the language&apos;s own words</extracomment>
        <translation>
            <numerusform>Il nome di un&apos;immagine ha tre parti, oggetto, categoria e valore, come in tazza.colore.rosso; questo ne ha %n.</numerusform>
            <numerusform>Il nome di un&apos;immagine ha tre parti, oggetto, categoria e valore, come in tazza.colore.rosso; questo ne ha %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PicturePrompts</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of patterns such as *.jpg</extracomment>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Scegli un&apos;immagine</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Nuova raccolta</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>A new collection with no pictures in it</extracomment>
        <translation>Vuota</translation>
    </message>
    <message>
        <source>A copy of the program&apos;s sample pictures</source>
        <translation>Una copia delle immagini di esempio del programma</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The new collection&apos;s name</extracomment>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The title of the question</extracomment>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>The program&apos;s own pictures cannot be changed on this computer.
Make a personal copy of them to change instead, named:</source>
        <translation>Le immagini del programma non si possono modificare su questo computer.
Creane una copia personale da modificare, con il nome:</translation>
    </message>
    <message>
        <source>New name of the object &quot;%1&quot;:</source>
        <translation>Nuovo nome dell&apos;oggetto &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>New name of the category &quot;%1&quot;:</source>
        <translation>Nuovo nome della categoria &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>New name of the value &quot;%1&quot;:</source>
        <translation>Nuovo nome del valore &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>The title of the question</extracomment>
        <translation>Rinomina</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>%1 is too large a picture (%2 by %3 pixels) to be read here.</source>
        <extracomment>%1 is the file, %2 by %3 its width and height</extracomment>
        <translation>%1 è un&apos;immagine troppo grande (%2 per %3 pixel) per essere letta qui.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation>%1 è una cartella, non un&apos;immagine.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged, or is not the kind of picture its name says.</source>
        <translation>%1 è danneggiata, oppure non è il tipo di immagine indicato dal nome.</translation>
    </message>
    <message>
        <source>%1 is not a picture this computer can read.</source>
        <translation>%1 non è un&apos;immagine che questo computer sa leggere.</translation>
    </message>
    <message>
        <source>%1 is a damaged JPEG picture (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>%1 è un&apos;immagine JPEG danneggiata (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>Impossibile leggere %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is a HEIC/HEIF picture that could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the reason libheif gives</extracomment>
        <translation>%1 è un&apos;immagine HEIC/HEIF che non è stato possibile leggere (%2).</translation>
    </message>
    <message>
        <source>%1 is damaged (%2).</source>
        <extracomment>%1 is the file, %2 the reader&apos;s reason</extracomment>
        <translation>%1 è danneggiata (%2).</translation>
    </message>
</context>
<context>
    <name>PicturesWindow</name>
    <message>
        <source>My pictures</source>
        <extracomment>The name suggested for a teacher&apos;s own copy of the program&apos;s pictures; it becomes a folder&apos;s name</extracomment>
        <translation>Le mie immagini</translation>
    </message>
    <message>
        <source>My pictures %1</source>
        <extracomment>The same when &quot;My pictures&quot; is taken; %1 is 2, 3, ...</extracomment>
        <translation>Le mie immagini %1</translation>
    </message>
</context>
<context>
    <name>PromptFrame</name>
    <message>
        <source>Prompt</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>QtMicrophone</name>
    <message>
        <source>This computer has no microphone to record with</source>
        <translation>Questo computer non ha un microfono con cui registrare</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot record 16-bit sound</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>Il microfono &quot;%1&quot; non può registrare audio a 16 bit</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be used now</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>Il microfono &quot;%1&quot; non è utilizzabile al momento</translation>
    </message>
</context>
<context>
    <name>QtSpeechVoice</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>La voce non può parlare: %1</translation>
    </message>
</context>
<context>
    <name>RecordsChart</name>
    <message>
        <source>Session</source>
        <extracomment>The title of the chart&apos;s horizontal axis, numbered by session</extracomment>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>First try right, per session</source>
        <translation>Giuste al primo tentativo, per sessione</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The name of a line in the chart&apos;s legend: symbols right at the first try</extracomment>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The name of a line in the chart&apos;s legend: attributes right at the first try</extracomment>
        <translation>Attributi</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right without a prompt</extracomment>
        <translation>Giuste in autonomia</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right with the answer shown as a prompt</extracomment>
        <translation>Giuste con aiuto</translation>
    </message>
    <message>
        <source>Mastery (%1 %)</source>
        <extracomment>The name of the mastery line in the chart&apos;s legend; %1 is the rule&apos;s percent</extracomment>
        <translation>Acquisizione (%1 %)</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Non ci sono dati nel registro dell&apos;allievo &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>RecordsFile</name>
    <message>
        <source>The records file %1 is in use by another program; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Il file del registro %1 è in uso da parte di un altro programma; i dati non vengono registrati (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Il file del registro %1 è danneggiato (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Impossibile aprire il file del registro %1; i dati non vengono registrati (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be read; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Impossibile leggere il file del registro %1; i dati non vengono registrati (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be written; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Impossibile scrivere il file del registro %1; i dati non vengono registrati (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed; records are not kept</source>
        <translation>Il driver SQLite di Qt non è installato; i dati non vengono registrati</translation>
    </message>
    <message>
        <source>There is no records file %1</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Il file del registro %1 non esiste</translation>
    </message>
    <message>
        <source>The records folder %1 cannot be created; records are not kept</source>
        <extracomment>%1 is the records folder&apos;s path</extracomment>
        <translation>Impossibile creare la cartella del registro %1; i dati non vengono registrati</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the system&apos;s word on what went wrong</extracomment>
        <translation>Impossibile creare il file del registro %1; i dati non vengono registrati (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged and cannot be moved aside; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Il file del registro %1 è danneggiato e non può essere messo da parte; i dati non vengono registrati</translation>
    </message>
    <message>
        <source>The records file was damaged: it is kept as %1 and a new records file was started</source>
        <extracomment>%1 is the path the damaged file was moved to</extracomment>
        <translation>Il file del registro era danneggiato: è stato conservato come %1 ed è stato avviato un nuovo file del registro</translation>
    </message>
    <message>
        <source>The file %1 is not a Tessarine records file; it is left as it is and records are not kept</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Il file %1 non è un file del registro di Tessarine; viene lasciato com&apos;è e i dati non vengono registrati</translation>
    </message>
    <message>
        <source>The records file %1 cannot keep a write-ahead log; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path; the write-ahead log is how the database keeps its changes safe</extracomment>
        <translation>Il file del registro %1 non può tenere un log write-ahead; i dati non vengono registrati</translation>
    </message>
    <message>
        <source>The school server %1 cannot be reached (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>Il server della scuola %1 non è raggiungibile (%2)</translation>
    </message>
    <message>
        <source>The records on the school server %1 cannot be used (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>I registri sul server della scuola %1 non si possono usare (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (libqt6sql6-psql) is not installed; the school server cannot be used</source>
        <translation>Il driver PostgreSQL di Qt (libqt6sql6-psql) non è installato; il server della scuola non si può usare</translation>
    </message>
    <message>
        <source>The database %1 on the school server holds another program&apos;s tables; it is left as it is</source>
        <extracomment>%1 names a PostgreSQL database on the school&apos;s server</extracomment>
        <translation>Il database %1 sul server della scuola contiene tabelle di un altro programma; viene lasciato com’è</translation>
    </message>
</context>
<context>
    <name>RecordsModel</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>A cell of the Sessions table: %1 first tries answered right, of %2 in all</extracomment>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column header of the Sessions table: when the session started</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>Column header: the number of sets shown in the session</extracomment>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Symbols first try</source>
        <extracomment>Column header: the percent of symbols chosen right at the first try</extracomment>
        <translation>Simboli 1° tentativo</translation>
    </message>
    <message>
        <source>Attributes first try</source>
        <extracomment>Column header: the percent of attributes chosen right at the first try</extracomment>
        <translation>Attributi 1° tentativo</translation>
    </message>
    <message>
        <source>Median response</source>
        <extracomment>Column header: the median time to answer</extracomment>
        <translation>Risposta mediana</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>Column header: first tries right without a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Giuste in autonomia</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>Column header: first tries right with the answer shown as a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Giuste con aiuto</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header of the Targets table: a symbol or an attribute the learner is taught to choose</extracomment>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: whether the target is a symbol or an attribute</extracomment>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>Column header: the number of trials</extracomment>
        <translation>Prove</translation>
    </message>
    <message>
        <source>First try, last sessions</source>
        <extracomment>Column header: the percent right at the first try in the last sessions the mastery rule looks at</extracomment>
        <translation>1° tentativo, ultime sessioni</translation>
    </message>
    <message>
        <source>Mastered</source>
        <extracomment>Column header: whether the target is mastered, &quot;Yes&quot; or &quot;No&quot;</extracomment>
        <translation>Acquisito</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Attributo</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>No</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s), printed %1</source>
        <extracomment>Under the report&apos;s title; %n is the number of sessions, %1 the date and time of printing</extracomment>
        <translation>
            <numerusform>%n sessione, stampato il %1</numerusform>
            <numerusform>%n sessioni, stampato il %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Mastered: at least %1 % right at the first try in each of the last %2 sessions, with at least %3 trials in each</source>
        <extracomment>The mastery rule in the report: %1 is a percent, %2 a number of sessions, %3 a number of trials</extracomment>
        <translation>Acquisito: almeno il %1 % di risposte giuste al primo tentativo in ciascuna delle ultime %2 sessioni, con almeno %3 prove in ciascuna</translation>
    </message>
    <message>
        <source>Mastery and the first-try percentages count only first answers given without a prompt.</source>
        <translation>L&apos;acquisizione e le percentuali al primo tentativo contano solo le prime risposte date senza aiuto.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column header: the name of the computer the session was recorded on</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>User</source>
        <extracomment>Column header: who was logged in on the computer during the session</extracomment>
        <translation>Utente</translation>
    </message>
</context>
<context>
    <name>RecordsPlaceBox</name>
    <message>
        <source>Type the school server&apos;s connection string, such as host=db.school dbname=tessarine user=teacher or service=NAME.</source>
        <translation>Scrivete la stringa di connessione del server della scuola, per esempio host=db.school dbname=tessarine user=teacher oppure service=NAME.</translation>
    </message>
</context>
<context>
    <name>RecordsReport</name>
    <message>
        <source>A page cannot be added</source>
        <translation>Impossibile aggiungere una pagina</translation>
    </message>
    <message>
        <source>No records yet.</source>
        <translation>Ancora nessun dato nel registro.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The report&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Registro di %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be started</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Impossibile scrivere %1: non si può avviare il PDF</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The title of the report&apos;s sessions table</extracomment>
        <translation>Sessioni</translation>
    </message>
    <message>
        <source>Sessions (continued)</source>
        <extracomment>The title of the sessions table on the pages after its first</extracomment>
        <translation>Sessioni (continua)</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The title of the report&apos;s targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Obiettivi</translation>
    </message>
    <message>
        <source>Targets (continued)</source>
        <extracomment>The title of the targets table on the pages after its first</extracomment>
        <translation>Obiettivi (continua)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be finished</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Impossibile scrivere %1: non si può completare il PDF</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>The records file %1 was written by a later version of Tessarine; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Il file del registro %1 è stato scritto da una versione più recente di Tessarine; i dati non vengono registrati</translation>
    </message>
</context>
<context>
    <name>RecordsStore</name>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Non ci sono dati nel registro dell&apos;allievo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The records in %1 did not keep a new row; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path or names the school server</extracomment>
        <translation>I registri in %1 non hanno conservato una nuova riga; i registri non vengono tenuti</translation>
    </message>
</context>
<context>
    <name>RewardOverlay</name>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Premio</translation>
    </message>
</context>
<context>
    <name>RunRecords</name>
    <message>
        <source>The access settings of %1 are taken from the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Le impostazioni di accesso di %1 vengono prese dal file delle impostazioni.</translation>
    </message>
    <message>
        <source>The settings file has no access settings for %1: the defaults are used.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Il file delle impostazioni non contiene impostazioni di accesso per %1: vengono usate quelle predefinite.</translation>
    </message>
    <message>
        <source>Learners&apos; access settings are taken from the settings file.</source>
        <translation>Le impostazioni di accesso degli allievi vengono prese dal file delle impostazioni.</translation>
    </message>
    <message>
        <source>The exercise runs without the teaching settings of %1, and nothing of it is recorded.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>L&apos;esercizio viene eseguito senza le impostazioni didattiche di %1, e non viene registrato nulla.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 cannot be changed now.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Le impostazioni didattiche di %1 non si possono modificare ora.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 were not saved.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Le impostazioni didattiche di %1 non sono state salvate.</translation>
    </message>
    <message>
        <source>The access settings of %1 are kept in the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Le impostazioni di accesso di %1 vengono conservate nel file delle impostazioni.</translation>
    </message>
    <message>
        <source>Records are kept on this computer until the school server answers again.</source>
        <translation>I registri vengono tenuti su questo computer finché il server della scuola non risponde di nuovo.</translation>
    </message>
    <message>
        <source>The exercise goes on; its answers are kept on this computer and sent when the school server answers again.</source>
        <translation>L’esercizio continua; le risposte vengono tenute su questo computer e inviate quando il server della scuola risponde di nuovo.</translation>
    </message>
    <message>
        <source>The password is not kept in the settings: put it in ~/.pgpass, where PostgreSQL finds it, and leave it out of the connection string.</source>
        <translation>La password non viene tenuta nelle impostazioni: mettetela in ~/.pgpass, dove PostgreSQL la trova, e toglietela dalla stringa di connessione.</translation>
    </message>
    <message>
        <source>No school server is chosen to send the sessions to.</source>
        <translation>Non è stato scelto nessun server della scuola a cui inviare le sessioni.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Errore imprevisto</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argomento non valido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Position out of range</source>
        <translation>Posizione fuori intervallo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
    <message>
        <source>No image found: plase check images folders</source>
        <translation>Nessuna immagine trovata: controlla le cartelle delle immagini</translation>
    </message>
</context>
<context>
    <name>SetSheet</name>
    <message>
        <source>cannot be loaded</source>
        <extracomment>in a picture&apos;s place on the printed sheet</extracomment>
        <translation>impossibile da caricare</translation>
    </message>
    <message>
        <source>Can stop when a picture that cannot be loaded is drawn as the wrong choice.</source>
        <translation>Può interrompersi quando un&apos;immagine che non si può caricare viene estratta come scelta sbagliata.</translation>
    </message>
    <message>
        <source>Works with every option.</source>
        <translation>Funziona con ogni opzione.</translation>
    </message>
    <message>
        <source>%1 (%2.)</source>
        <comment>%1 is a finding, %2 the options under which it holds</comment>
        <translation>%1 (%2.)</translation>
    </message>
    <message>
        <source>no symbol</source>
        <extracomment>in the place of a missing symbol picture on the printed sheet</extracomment>
        <translation>nessun simbolo</translation>
    </message>
    <message>
        <source>no attribute</source>
        <extracomment>in the place of a missing attribute picture on the printed sheet</extracomment>
        <translation>nessun attributo</translation>
    </message>
    <message>
        <source>Tessarine sets in %1</source>
        <comment>the PDF&apos;s title; %1 is a folder</comment>
        <translation>Serie di Tessarine in %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>Tessarine: every set</source>
        <translation>Tessarine: tutte le serie</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n immagine di oggetto</numerusform>
            <numerusform>%n immagini di oggetti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbol(s)</source>
        <translation>
            <numerusform>%n simbolo</numerusform>
            <numerusform>%n simboli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n attribute(s)</source>
        <translation>
            <numerusform>%n attributo</numerusform>
            <numerusform>%n attributi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more finding(s) about folders, symbols, attributes or sounds: run tessarine-check for the details.</source>
        <translation>
            <numerusform>%n altra segnalazione su cartelle, simboli, attributi o suoni: esegui tessarine-check per i dettagli.</numerusform>
            <numerusform>Altre %n segnalazioni su cartelle, simboli, attributi o suoni: esegui tessarine-check per i dettagli.</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Caption and findings</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Didascalia e segnalazioni</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Attributo</translation>
    </message>
    <message>
        <source>There are no object pictures in the Images folder.</source>
        <translation>Nella cartella Images non ci sono immagini di oggetti.</translation>
    </message>
    <message>
        <source>Made by tessarine-check</source>
        <translation>Creato da tessarine-check</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>SettingsBacking</name>
    <message>
        <source>The settings cannot be saved to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Impossibile salvare le impostazioni in %1</translation>
    </message>
</context>
<context>
    <name>SpokenCaption</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>La voce non può parlare: %1</translation>
    </message>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <extracomment>%1 is the recording&apos;s file, %2 says why in a phrase such as &quot;it is not a wave file&quot;</extracomment>
        <translation>Impossibile riprodurre la registrazione %1: %2</translation>
    </message>
</context>
<context>
    <name>TeachingDialog</name>
    <message>
        <source>Off</source>
        <extracomment>The lowest value of a number box: the feature is not used</extracomment>
        <translation>Disattivo</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Tessarine picture check of %1</source>
        <extracomment>the report&apos;s first line; %1 is a folder</extracomment>
        <translation>Controllo delle immagini di Tessarine in %1</translation>
    </message>
    <message>
        <source>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</source>
        <extracomment>Images, Symbols, Attributes and Sounds are folder names: keep them; %1 is a number of object pictures</extracomment>
        <translation>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n immagine di oggetto</numerusform>
            <numerusform>%n immagini di oggetti</numerusform>
        </translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <extracomment>a finding&apos;s label in the text report, in capitals</extracomment>
        <translation>PROBLEMA</translation>
    </message>
    <message>
        <source>WARNING</source>
        <extracomment>a finding&apos;s label in the text report, in capitals</extracomment>
        <translation>AVVISO</translation>
    </message>
    <message>
        <source>What happens:</source>
        <extracomment>a label in the text report, before what the exercise will do</extracomment>
        <translation>Cosa succede:</translation>
    </message>
    <message>
        <source>How to fix:</source>
        <extracomment>a label in the text report, before how to mend the finding</extracomment>
        <translation>Come correggere:</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Cartella del programma</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <extracomment>%1 is a folder&apos;s name: Images, Symbols, Attributes or Sounds</extracomment>
        <translation>Cartella %1</translation>
    </message>
    <message>
        <source>%1 and %2 in %3. %4</source>
        <extracomment>%1 is a number of problems, %2 of warnings, %3 of files or folders; %4 the sentence that follows</extracomment>
        <translation>%1 e %2 in %3. %4</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problema</numerusform>
            <numerusform>%n problemi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n avviso</numerusform>
            <numerusform>%n avvisi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n set(s) work with every option. Nothing to fix.</source>
        <translation>
            <numerusform>%n serie funziona con ogni opzione. Niente da correggere.</numerusform>
            <numerusform>Tutte le %n serie funzionano con ogni opzione. Niente da correggere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s)</source>
        <translation>
            <numerusform>%n file o cartella</numerusform>
            <numerusform>%n file o cartelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object picture(s) work with every option and need nothing.</source>
        <extracomment>%1 is how many of them work</extracomment>
        <translation>
            <numerusform>%1 su %n immagine di oggetto funziona con ogni opzione e non richiede interventi.</numerusform>
            <numerusform>%1 su %n immagini di oggetti funzionano con ogni opzione e non richiedono interventi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one set works with every option. Nothing to fix.</source>
        <translation>L&apos;unica serie funziona con ogni opzione. Niente da correggere.</translation>
    </message>
</context>
<context>
    <name>TokenRow</name>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Gettoni</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Tokens earned: %1 is how many are filled, %2 how many make a reward</extracomment>
        <translation>%1 su %2</translation>
    </message>
</context>
<context>
    <name>WaveCheck</name>
    <message>
        <source>its format description is too short</source>
        <translation>la descrizione del formato è troppo corta</translation>
    </message>
    <message>
        <source>its format description is damaged</source>
        <translation>la descrizione del formato è danneggiata</translation>
    </message>
    <message>
        <source>it is compressed (format %1), not PCM; save it again as PCM</source>
        <extracomment>%1 is the number of the sound&apos;s format; PCM is the uncompressed one</extracomment>
        <translation>è compresso (formato %1), non PCM; salvalo di nuovo come PCM</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non si può leggere</translation>
    </message>
    <message>
        <source>it is not a wave file</source>
        <translation>non è un file wave</translation>
    </message>
    <message>
        <source>it is damaged: the file ends inside its format description</source>
        <translation>è danneggiato: il file finisce dentro la descrizione del formato</translation>
    </message>
    <message>
        <source>it is damaged: its sound comes before its format description</source>
        <translation>è danneggiato: il suono viene prima della descrizione del formato</translation>
    </message>
    <message>
        <source>it is damaged: the file ends before its sound does</source>
        <translation>è danneggiato: il file finisce prima del suono</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>non contiene alcun suono</translation>
    </message>
    <message>
        <source>it is damaged: it holds no sound data</source>
        <translation>è danneggiato: non contiene dati audio</translation>
    </message>
    <message>
        <source>it is damaged: it has no format description</source>
        <translation>è danneggiato: non ha una descrizione del formato</translation>
    </message>
</context>
<context>
    <name>WaveWriter</name>
    <message>
        <source>The recording %1 cannot be written: %2</source>
        <extracomment>%1 is the sound file, %2 why it cannot be written</extracomment>
        <translation>Impossibile scrivere la registrazione %1: %2</translation>
    </message>
    <message>
        <source>the sound is too long</source>
        <translation>il suono è troppo lungo</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>the set stops half-way with error %1 %2</source>
        <extracomment>ends a sentence; %1 is the error&apos;s number, %2 its message</extracomment>
        <translation>la serie si interrompe a metà con l&apos;errore %1 %2</translation>
    </message>
    <message>
        <source>in most sets</source>
        <translation>nella maggior parte delle serie</translation>
    </message>
    <message>
        <source>about once in %1 sets</source>
        <extracomment>%1 is a number like 1e+12</extracomment>
        <translation>circa una volta ogni %1 serie</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with error %2 %3.</source>
        <extracomment>%1 names the options, %2 is the error&apos;s number, %3 its message</extracomment>
        <translation>%1, la serie si interrompe a metà con l&apos;errore %2 %3.</translation>
    </message>
    <message>
        <source>%1, the set can stop half-way with error %2 %3.</source>
        <translation>%1, la serie può interrompersi a metà con l&apos;errore %2 %3.</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Questo file è vuoto.</translation>
    </message>
    <message>
        <source>Copy the picture again; the copy went wrong.</source>
        <translation>Copia di nuovo l&apos;immagine; la copia non è riuscita.</translation>
    </message>
    <message>
        <source>This picture cannot be loaded (%1).</source>
        <translation>Questa immagine non si può caricare (%1).</translation>
    </message>
    <message>
        <source>Make the picture smaller (a few thousand pixels across is plenty).</source>
        <translation>Riduci l&apos;immagine (qualche migliaio di pixel di larghezza è più che sufficiente).</translation>
    </message>
    <message>
        <source>Open it in a picture editor and save it again as JPEG, or replace it.</source>
        <translation>Aprila in un programma di grafica e salvala di nuovo come JPEG, oppure sostituiscila.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>
            <numerusform>%1 e %n altro</numerusform>
            <numerusform>%1 e altri %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about once in %Ln set(s)</source>
        <translation>
            <numerusform>circa una volta ogni %Ln serie</numerusform>
            <numerusform>circa una volta ogni %Ln serie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmApertura</name>
    <message>
        <source>Play it</source>
        <extracomment>Tooltip of the buttons that play the chosen sound</extracomment>
        <translation>Ascolta</translation>
    </message>
</context>
<context>
    <name>tessarine::AccessDialog</name>
    <message>
        <source>Access</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Access for %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Accesso per %1</translation>
    </message>
    <message>
        <source>Answer with the keyboard: arrows and Tab move, Space and Enter choose, 1 to 4 choose a picture</source>
        <translation>Rispondi con la tastiera: frecce e Tab spostano, Spazio e Invio scelgono, da 1 a 4 scelgono un&apos;immagine</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Sensori</translation>
    </message>
    <message>
        <source>No switch</source>
        <translation>Nessun sensore</translation>
    </message>
    <message>
        <source>One switch: the ring moves by itself</source>
        <translation>Un sensore: la cornice si sposta da sola</translation>
    </message>
    <message>
        <source>Two switches: one moves, one chooses</source>
        <translation>Due sensori: uno sposta, uno sceglie</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Step switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Tasto del sensore di avanzamento</translation>
    </message>
    <message>
        <source>Choose switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Tasto del sensore di scelta</translation>
    </message>
    <message>
        <source>Scanning:</source>
        <translation>Scansione:</translation>
    </message>
    <message>
        <source>Ring moves every:</source>
        <translation>La cornice si sposta ogni:</translation>
    </message>
    <message>
        <source>Step switch key:</source>
        <translation>Tasto del sensore di avanzamento:</translation>
    </message>
    <message>
        <source>Step switch button:</source>
        <translation>Pulsante del mouse per l&apos;avanzamento:</translation>
    </message>
    <message>
        <source>Choose switch key:</source>
        <translation>Tasto del sensore di scelta:</translation>
    </message>
    <message>
        <source>Choose switch button:</source>
        <translation>Pulsante del mouse per la scelta:</translation>
    </message>
    <message>
        <source>Accidental presses</source>
        <translation>Pressioni accidentali</translation>
    </message>
    <message>
        <source>Guard against accidental presses</source>
        <translation>Proteggi dalle pressioni accidentali</translation>
    </message>
    <message>
        <source>No hold needed</source>
        <extracomment>The hold time at zero</extracomment>
        <translation>Nessuna pressione prolungata</translation>
    </message>
    <message>
        <source>Presses on the same picture count once within:</source>
        <translation>Più pressioni sulla stessa immagine valgono una entro:</translation>
    </message>
    <message>
        <source>A press counts when held for:</source>
        <translation>Una pressione vale se tenuta per:</translation>
    </message>
    <message>
        <source>Pictures as big as the screen</source>
        <translation>Immagini grandi quanto lo schermo</translation>
    </message>
    <message>
        <source>Speak the caption when a set appears</source>
        <translation>Pronuncia la didascalia quando compare una serie</translation>
    </message>
    <message>
        <source>Caption language:</source>
        <translation>Lingua della didascalia:</translation>
    </message>
    <message>
        <source>Language of the windows (%1)</source>
        <extracomment>The caption&apos;s language when none is chosen; %1 is that language&apos;s name in its own language</extracomment>
        <translation>Lingua delle finestre (%1)</translation>
    </message>
    <message>
        <source>This computer has no voice: the captions cannot be spoken.</source>
        <translation>Questo computer non ha una voce: le didascalie non possono essere pronunciate.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by an English voice.</source>
        <translation>Questo computer non ha una voce per questa lingua: le didascalie vengono pronunciate da una voce inglese.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by a voice of another language.</source>
        <translation>Questo computer non ha una voce per questa lingua: le didascalie vengono pronunciate da una voce di un&apos;altra lingua.</translation>
    </message>
</context>
<context>
    <name>tessarine::CropFrameWidget</name>
    <message>
        <source>Crop frame</source>
        <translation>Riquadro di ritaglio</translation>
    </message>
    <message>
        <source>The part of the picture that will be saved. Arrow keys move the frame, with Shift further; + and - make it larger or smaller. With the mouse, drag it to move it, or drag a corner or side, or turn the wheel, to resize it.</source>
        <translation>La parte dell&apos;immagine che verrà salvata. I tasti freccia spostano il riquadro, con Maiusc di più; + e - lo ingrandiscono o lo rimpiccioliscono. Con il mouse, trascinalo per spostarlo, oppure trascina un angolo o un lato, o gira la rotellina, per ridimensionarlo.</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportPanel</name>
    <message>
        <source>Pictures being added</source>
        <translation>Immagini da aggiungere</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Aggiungi immagini...</translation>
    </message>
    <message>
        <source>Add pictures, or drop pictures or folders of them here.</source>
        <translation>Aggiungi immagini, oppure trascina qui immagini o cartelle che le contengono.</translation>
    </message>
    <message>
        <source>There are no pictures in %1.</source>
        <extracomment>%1 is one folder or several, separated by commas</extracomment>
        <translation>Non ci sono immagini in %1.</translation>
    </message>
    <message>
        <source>These pictures cannot be added:
%1</source>
        <translation>Queste immagini non si possono aggiungere:
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportRow</name>
    <message>
        <source>Object</source>
        <extracomment>The first of a picture&apos;s name&apos;s three parts: what the picture shows</extracomment>
        <translation>Oggetto</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>The second of a picture&apos;s name&apos;s three parts, such as &quot;colour&quot;</extracomment>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The third of a picture&apos;s name&apos;s three parts, such as &quot;red&quot;</extracomment>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Object picture</source>
        <extracomment>What a picture is saved as: a picture of the object, its symbol, or an attribute&apos;s picture</extracomment>
        <translation>Immagine dell&apos;oggetto</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Attribute picture</source>
        <translation>Immagine di attributo</translation>
    </message>
    <message>
        <source>Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>Diventa</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The file name the picture is saved under</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Leave out</source>
        <extracomment>Button: this picture is not added after all</extracomment>
        <translation>Escludi</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Oggetto</translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation>&amp;Categoria</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valore</translation>
    </message>
    <message>
        <source>&amp;Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>&amp;Diventa</translation>
    </message>
    <message>
        <source>Make the symbol from this photo</source>
        <translation>Crea il simbolo da questa foto</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <extracomment>Button: a picture from a file becomes the symbol
----------
Button: a picture from a file becomes the attribute&apos;s picture</extracomment>
        <translation>Scegli un&apos;immagine</translation>
    </message>
    <message>
        <source>Choose a picture for the symbol</source>
        <translation>Scegli un&apos;immagine per il simbolo</translation>
    </message>
    <message>
        <source>Make a card</source>
        <extracomment>An attribute card: a swatch of the colour, or the value&apos;s word written large</extracomment>
        <translation>Crea un cartellino</translation>
    </message>
    <message>
        <source>Choose a picture for the attribute</source>
        <translation>Scegli un&apos;immagine per l&apos;attributo</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet</source>
        <translation>Non c&apos;è ancora un simbolo per &quot;%1&quot;</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet: it will be made from %2</source>
        <translation>Non c&apos;è ancora un simbolo per &quot;%1&quot;: verrà creato da %2</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet</source>
        <translation>Non c&apos;è ancora un cartellino di attributo per &quot;%1 %2&quot;</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet: it will be %3</source>
        <translation>Non c&apos;è ancora un cartellino di attributo per &quot;%1 %2&quot;: sarà %3</translation>
    </message>
</context>
<context>
    <name>tessarine::KeyCaptureButton</name>
    <message>
        <source>Press the key or the switch...</source>
        <translation>Premi il tasto o il sensore...</translation>
    </message>
</context>
<context>
    <name>tessarine::ObjectTableModel</name>
    <message>
        <source>Checking...</source>
        <extracomment>Shown for an object until the collection&apos;s check has looked at it</extracomment>
        <translation>Controllo in corso...</translation>
    </message>
    <message>
        <source>Works under every option.</source>
        <translation>Funziona con ogni opzione.</translation>
    </message>
    <message>
        <source>Some sets do not work under every option.</source>
        <translation>Alcune serie non funzionano con ogni opzione.</translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation>Nessun simbolo</translation>
    </message>
    <message>
        <source>No attribute</source>
        <translation>Nessun attributo</translation>
    </message>
    <message>
        <source>Picture: none</source>
        <extracomment>%1 is the object picture&apos;s file</extracomment>
        <translation>Immagine: nessuna</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Immagine: %1</translation>
    </message>
    <message>
        <source>Symbol: none</source>
        <extracomment>%1 is the symbol&apos;s file</extracomment>
        <translation>Simbolo: nessuno</translation>
    </message>
    <message>
        <source>Symbol: %1</source>
        <translation>Simbolo: %1</translation>
    </message>
    <message>
        <source>Attribute: none</source>
        <extracomment>%1 is the attribute picture&apos;s file</extracomment>
        <translation>Attributo: nessuno</translation>
    </message>
    <message>
        <source>Attribute: %1</source>
        <translation>Attributo: %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>Column header: the object&apos;s picture</extracomment>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Column header: the object&apos;s symbol</extracomment>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>Column header: the picture of the object&apos;s attribute (its colour, say)</extracomment>
        <translation>Attributo</translation>
    </message>
    <message>
        <source>Caption and file</source>
        <extracomment>Column header</extracomment>
        <translation>Didascalia e file</translation>
    </message>
    <message>
        <source>Findings</source>
        <extracomment>Column header: what the check found</extracomment>
        <translation>Segnalazioni</translation>
    </message>
</context>
<context>
    <name>tessarine::PictureBox</name>
    <message>
        <source>Dimmed</source>
        <extracomment>Said by a screen reader of a picture shown faint</extracomment>
        <translation>Attenuata</translation>
    </message>
</context>
<context>
    <name>tessarine::PicturesWindow</name>
    <message>
        <source>Pictures: %1</source>
        <extracomment>%1 is the collection&apos;s name</extracomment>
        <translation>Immagini: %1</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <extracomment>The check found nothing about the collection as a whole</extracomment>
        <translation>Nessuna segnalazione.</translation>
    </message>
    <message>
        <source>Choose an object in the list to see its findings.</source>
        <translation>Scegli un oggetto nell&apos;elenco per vederne le segnalazioni.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Nuova raccolta</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Aggiungi immagini...</translation>
    </message>
    <message>
        <source>Checking the pictures...</source>
        <translation>Controllo delle immagini in corso...</translation>
    </message>
    <message>
        <source>Checking the pictures</source>
        <translation>Controllo delle immagini</translation>
    </message>
    <message>
        <source>Findings of the chosen object</source>
        <translation>Segnalazioni sull&apos;oggetto scelto</translation>
    </message>
    <message>
        <source>Rename...</source>
        <extracomment>Button with a menu: rename the object, the category or the value</extracomment>
        <translation>Rinomina...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Object...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the object, the first of a name&apos;s three parts</extracomment>
        <translation>Oggetto...</translation>
    </message>
    <message>
        <source>Category...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the category, the second of a name&apos;s three parts</extracomment>
        <translation>Categoria...</translation>
    </message>
    <message>
        <source>Value...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the value, the third of a name&apos;s three parts</extracomment>
        <translation>Valore...</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the chosen object picture goes to the trash</extracomment>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove the picture</source>
        <translation>Rimuovi l&apos;immagine</translation>
    </message>
    <message>
        <source>Moves the object picture and its recording to the trash</source>
        <translation>Sposta nel cestino l&apos;immagine dell&apos;oggetto e la sua registrazione</translation>
    </message>
    <message>
        <source>Findings about the whole collection:</source>
        <translation>Segnalazioni sull&apos;intera raccolta:</translation>
    </message>
    <message>
        <source>Findings about the whole collection</source>
        <translation>Segnalazioni sull&apos;intera raccolta</translation>
    </message>
    <message>
        <source>Objects</source>
        <extracomment>The list of the collection&apos;s object pictures</extracomment>
        <translation>Oggetti</translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsPlaceBox</name>
    <message>
        <source>Records kept on</source>
        <extracomment>The title of the box that chooses where the learners&apos; records are kept</extracomment>
        <translation>Registri tenuti su</translation>
    </message>
    <message>
        <source>A PostgreSQL connection string: host, dbname and user, or service=NAME; the password is taken from ~/.pgpass</source>
        <translation>Una stringa di connessione PostgreSQL: host, dbname e user, oppure service=NAME; la password viene presa da ~/.pgpass</translation>
    </message>
    <message>
        <source>This computer</source>
        <extracomment>Where the records are kept: the records file of this computer</extracomment>
        <translation>Questo computer</translation>
    </message>
    <message>
        <source>School server</source>
        <extracomment>Where the records are kept: the school&apos;s database server, shared by its computers</extracomment>
        <translation>Server della scuola</translation>
    </message>
    <message>
        <source>Where the learners&apos; records are kept: this computer&apos;s file, or the school&apos;s server that every computer of the school shares</source>
        <translation>Dove vengono tenuti i registri degli allievi: il file di questo computer, oppure il server della scuola condiviso da tutti i suoi computer</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>The label of the school server&apos;s connection string</extracomment>
        <translation>Server</translation>
    </message>
    <message>
        <source>Use this server</source>
        <extracomment>A button: keeps the records on the school server typed beside it</extracomment>
        <translation>Usa questo server</translation>
    </message>
    <message>
        <source>Keeps the records on this server from now on</source>
        <translation>Da ora in poi tiene i registri su questo server</translation>
    </message>
    <message>
        <source>Send now</source>
        <extracomment>A button: sends the sessions recorded on this computer to the school server</extracomment>
        <translation>Invia ora</translation>
    </message>
    <message>
        <source>Sends the sessions recorded on this computer to the school server; each is sent once</source>
        <translation>Invia al server della scuola le sessioni registrate su questo computer; ognuna viene inviata una volta sola</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s) recorded on this computer wait to be sent to the school server.</source>
        <extracomment>%n is a number of sessions</extracomment>
        <translation>
            <numerusform>%n sessione registrata su questo computer attende di essere inviata al server della scuola.</numerusform>
            <numerusform>%n sessioni registrate su questo computer attendono di essere inviate al server della scuola.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsWindow</name>
    <message>
        <source>Records of %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Registro di %1</translation>
    </message>
    <message>
        <source>Learner: %1</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Allievo: %1</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The sessions table&apos;s name, as a screen reader says it
----------
The title of the sessions table</extracomment>
        <translation>Sessioni</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The targets table&apos;s name, as a screen reader says it; a target is what the learner is taught to choose
----------
The title of the targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Obiettivi</translation>
    </message>
    <message>
        <source>Chart of first try right, per session</source>
        <translation>Grafico delle risposte giuste al primo tentativo, per sessione</translation>
    </message>
    <message>
        <source>Per session, the percent right at the first try of symbols and attributes answered without a prompt, of all first tries answered without a prompt (independent) and of all answered with one (prompted), and the mastery line; the same numbers are in the Sessions table</source>
        <translation>Per sessione, la percentuale di risposte giuste al primo tentativo per simboli e attributi date senza aiuto, per tutti i primi tentativi senza aiuto (in autonomia) e per tutti quelli con aiuto (con aiuto), e la linea di acquisizione; gli stessi numeri sono nella tabella Sessioni</translation>
    </message>
    <message>
        <source>Mastery rule</source>
        <extracomment>The title of the box that sets when a target counts as mastered</extracomment>
        <translation>Criterio di acquisizione</translation>
    </message>
    <message>
        <source>Right at the first try, at least</source>
        <extracomment>The label of a percent: a target is mastered when at least this much of it is right at the first try</extracomment>
        <translation>Giuste al primo tentativo, almeno</translation>
    </message>
    <message>
        <source>In consecutive sessions</source>
        <extracomment>The label of a number of sessions in a row in which the percent must be reached</extracomment>
        <translation>In sessioni consecutive</translation>
    </message>
    <message>
        <source>Trials a session, at least</source>
        <extracomment>The label of the fewest trials a session must have to count</extracomment>
        <translation>Prove per sessione, almeno</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>A button: saves every answer of the learner in a CSV file
----------
The title of the file dialog that saves the CSV file</extracomment>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Report PDF</source>
        <extracomment>A button: saves a printable report of the learner in a PDF file
----------
The title of the file dialog that saves the PDF report</extracomment>
        <translation>Resoconto PDF</translation>
    </message>
    <message>
        <source>Delete learner</source>
        <extracomment>A button: removes the learner and all of their records</extracomment>
        <translation>Elimina allievo</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Delete %1 and all of their records? This cannot be undone.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Eliminare %1 e tutto il suo registro? L&apos;operazione non può essere annullata.</translation>
    </message>
</context>
<context>
    <name>tessarine::TeachingDialog</name>
    <message>
        <source>Teaching</source>
        <extracomment>Title of the dialog when no learner is chosen</extracomment>
        <translation>Didattica</translation>
    </message>
    <message>
        <source>Teaching for %1</source>
        <extracomment>Title of the dialog; %1 is the learner&apos;s name</extracomment>
        <translation>Didattica per %1</translation>
    </message>
    <message>
        <source> sets</source>
        <extracomment>Shown after the number in &quot;Review mastered targets: one set in 5 sets&quot;; keep the leading space</extracomment>
        <translation> serie</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Seconds, shown after the number; keep the leading space</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Show the answer after a wrong answer</source>
        <translation>Mostra la risposta dopo una risposta sbagliata</translation>
    </message>
    <message>
        <source>Repeat a set after an error</source>
        <translation>Ripeti la serie dopo un errore</translation>
    </message>
    <message>
        <source> right sets</source>
        <extracomment>Shown after the number in &quot;Show a reward after 3 right sets&quot;; keep the leading space</extracomment>
        <translation> serie giuste</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The list of symbols and attributes being taught</extracomment>
        <translation>Obiettivi</translation>
    </message>
    <message>
        <source>Review mastered targets: one set in</source>
        <translation>Ripasso degli obiettivi acquisiti: una serie ogni</translation>
    </message>
    <message>
        <source>Show the answer after</source>
        <extracomment>Followed by a number of seconds</extracomment>
        <translation>Mostra la risposta dopo</translation>
    </message>
    <message>
        <source>Errorless trials for each new target</source>
        <translation>Prove senza errori per ogni nuovo obiettivo</translation>
    </message>
    <message>
        <source>Show a reward after</source>
        <extracomment>Followed by a number of right sets</extracomment>
        <translation>Mostra un premio dopo</translation>
    </message>
    <message>
        <source>No picture of this collection has both its symbol and its attribute checked, so there would be nothing to show. Check at least one symbol and one attribute of the same picture, or press Cancel to keep the targets as they were.</source>
        <translation>Nessuna immagine di questa raccolta ha spuntati sia il simbolo sia l&apos;attributo, quindi non ci sarebbe nulla da mostrare. Spunta almeno un simbolo e un attributo della stessa immagine, oppure premi Annulla per lasciare gli obiettivi com&apos;erano.</translation>
    </message>
</context>
<context>
    <name>tessarine::VoiceButtons</name>
    <message>
        <source>Record</source>
        <extracomment>Button: record the caption from the microphone
----------
Button: record the caption from the microphone; &quot;No microphone&quot; on a computer without one</extracomment>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button: play the recorded caption</extracomment>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the recording goes to the trash</extracomment>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Voice of %1</source>
        <extracomment>%1 is the object picture&apos;s name; the buttons record, play and remove its spoken caption</extracomment>
        <translation>Voce di %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button: stop recording</extracomment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stops recording</source>
        <translation>Ferma la registrazione</translation>
    </message>
    <message>
        <source>No microphone</source>
        <translation>Nessun microfono</translation>
    </message>
    <message>
        <source>Records the caption from the microphone</source>
        <translation>Registra la didascalia dal microfono</translation>
    </message>
    <message>
        <source>No microphone: this computer has none to record with</source>
        <translation>Nessun microfono: questo computer non ne ha uno con cui registrare</translation>
    </message>
    <message>
        <source>The recording %1 cannot be moved to the trash</source>
        <translation>Impossibile spostare nel cestino la registrazione %1</translation>
    </message>
</context>
<context>
    <name>tessarine::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>The window&apos;s title until the program&apos;s name is known</extracomment>
        <translation>Informazioni su MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button that closes the About window</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>Shown until the program&apos;s name is known</extracomment>
        <translation>Titolo dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Shown until the version number is known</extracomment>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Developed by %1 - %2</source>
        <extracomment>%1 is the author, %2 the year</extracomment>
        <translation>Sviluppato da %1 - %2</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.0</extracomment>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>tessarine::frmApertura</name>
    <message>
        <source>Show distractor for symbols</source>
        <translation>Distrattore per i simboli</translation>
    </message>
    <message>
        <source>Show distractor for attributes</source>
        <translation>Distrattore per gli attributi</translation>
    </message>
    <message>
        <source>Same category of image</source>
        <translation>Stessa categoria dell&apos;immagine</translation>
    </message>
    <message>
        <source>Full random (regardless of category)</source>
        <translation>Casuale (qualsiasi categoria)</translation>
    </message>
    <message>
        <source>Program Options</source>
        <extracomment>The options window&apos;s heading</extracomment>
        <translation>Opzioni del programma</translation>
    </message>
    <message>
        <source>Distractors management</source>
        <translation>Gestione distrattori</translation>
    </message>
    <message>
        <source>Attribute distractor chosing method</source>
        <translation>Scelta del distrattore di attributo</translation>
    </message>
    <message>
        <source>Use sequence between symbols and attributes</source>
        <translation>Usa la sequenza tra simboli e attributi</translation>
    </message>
    <message>
        <source>Sounds management</source>
        <translation>Gestione suoni</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>Sound for &quot;OK&quot;</source>
        <translation>Suono per &quot;OK&quot;</translation>
    </message>
    <message>
        <source>Play the OK sound</source>
        <translation>Riproduci il suono OK</translation>
    </message>
    <message>
        <source>Sound for &quot;error&quot;</source>
        <translation>Suono per &quot;errore&quot;</translation>
    </message>
    <message>
        <source>Play the wrong-answer sound</source>
        <translation>Riproduci il suono di errore</translation>
    </message>
    <message>
        <source>Start program</source>
        <extracomment>Button: closes the options and starts the exercise</extracomment>
        <translation>Avvia programma</translation>
    </message>
    <message>
        <source>Learner</source>
        <extracomment>Label of the list of learners&apos; names</extracomment>
        <translation>Allievo</translation>
    </message>
    <message>
        <source>Whose answers are recorded; leave empty to record nothing</source>
        <translation>Di chi si registrano le risposte; lascia vuoto per non registrare nulla</translation>
    </message>
    <message>
        <source>Records...</source>
        <extracomment>Button: opens the learner&apos;s records</extracomment>
        <translation>Registro...</translation>
    </message>
    <message>
        <source>Access...</source>
        <extracomment>Button: opens the learner&apos;s keyboard, switch and screen settings</extracomment>
        <translation>Accesso...</translation>
    </message>
    <message>
        <source>Keyboard, switches and screen size for this learner</source>
        <translation>Tastiera, sensori e dimensioni dello schermo per questo allievo</translation>
    </message>
    <message>
        <source>Teaching...</source>
        <extracomment>Button: opens the learner&apos;s teaching settings</extracomment>
        <translation>Didattica...</translation>
    </message>
    <message>
        <source>Targets, prompts, corrections and rewards for this learner</source>
        <translation>Obiettivi, aiuti, correzioni e premi per questo allievo</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Label of the list of picture collections</extracomment>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>The pictures the exercise shows</source>
        <translation>Le immagini mostrate dall&apos;esercizio</translation>
    </message>
    <message>
        <source>Pictures...</source>
        <extracomment>Button: opens the window that adds, names and checks pictures</extracomment>
        <translation>Immagini...</translation>
    </message>
    <message>
        <source>Add, name and check the pictures of this collection</source>
        <translation>Aggiungi, nomina e controlla le immagini di questa raccolta</translation>
    </message>
    <message>
        <source>Other folder...</source>
        <extracomment>Last entry of the list of picture collections: choose a folder</extracomment>
        <translation>Altra cartella...</translation>
    </message>
    <message>
        <source>Pictures: choose a folder with Images, Symbols, Attributes and Sounds</source>
        <extracomment>Title of the folder dialog; Images, Symbols, Attributes and Sounds are folder names, kept as they are</extracomment>
        <translation>Immagini: scegli una cartella con Images, Symbols, Attributes e Sounds</translation>
    </message>
</context>
<context>
    <name>tessarine::frmMain</name>
    <message>
        <source>Change set</source>
        <extracomment>Button: shows the next set of pictures</extracomment>
        <translation>Cambia serie</translation>
    </message>
    <message>
        <source>Caption</source>
        <extracomment>The text under the object picture (its name)</extracomment>
        <translation>Didascalia</translation>
    </message>
    <message>
        <source>Object picture</source>
        <translation>Immagine dell&apos;oggetto</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The row of symbol pictures to choose from</extracomment>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The row of attribute pictures (colours, sizes...) to choose from</extracomment>
        <translation>Attributi</translation>
    </message>
    <message>
        <source>First symbol</source>
        <translation>Primo simbolo</translation>
    </message>
    <message>
        <source>Second symbol</source>
        <translation>Secondo simbolo</translation>
    </message>
    <message>
        <source>First attribute</source>
        <translation>Primo attributo</translation>
    </message>
    <message>
        <source>Second attribute</source>
        <translation>Secondo attributo</translation>
    </message>
    <message>
        <source>Focus ring</source>
        <extracomment>The ring that marks the picture a key or switch would choose</extracomment>
        <translation>Cornice di selezione</translation>
    </message>
    <message>
        <source>Answer shown</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Risposta mostrata</translation>
    </message>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Gettoni</translation>
    </message>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Premio</translation>
    </message>
</context>
</TS>
