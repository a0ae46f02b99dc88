<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessDialog</name>
    <message>
        <source>Left mouse button</source>
        <translation>Botón izquierdo del ratón</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Botón derecho del ratón</translation>
    </message>
    <message>
        <source>Middle mouse button</source>
        <translation>Botón central del ratón</translation>
    </message>
    <message>
        <source>Back mouse button</source>
        <translation>Botón Atrás del ratón</translation>
    </message>
    <message>
        <source>Forward mouse button</source>
        <translation>Botón Adelante del ratón</translation>
    </message>
    <message>
        <source>No mouse button</source>
        <translation>Ningún botón del ratón</translation>
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
        <translation>El pulsador de avance y el pulsador de selección envían la misma tecla. Asigne a cada pulsador su propia tecla.</translation>
    </message>
    <message>
        <source>The step switch and the choose switch use the same mouse button. Give each switch its own button, or none.</source>
        <translation>El pulsador de avance y el pulsador de selección usan el mismo botón del ratón. Asigne a cada pulsador su propio botón, o ninguno.</translation>
    </message>
</context>
<context>
    <name>AddPictureCommand</name>
    <message>
        <source>Usage: tessarine --add-picture FILE --as OBJECT.CATEGORY.VALUE [--collection FOLDER]</source>
        <extracomment>The command line&apos;s form: the program&apos;s name and the options stay as they are</extracomment>
        <translation>Uso: tessarine --add-picture ARCHIVO --as OBJETO.CATEGORÍA.VALOR [--collection CARPETA]</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option such as --as</extracomment>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida: %1.</translation>
    </message>
    <message>
        <source>One picture at a time: %1 is one too many.</source>
        <extracomment>%1 is a second picture file given on the command line</extracomment>
        <translation>Una sola imagen cada vez: %1 sobra.</translation>
    </message>
    <message>
        <source>Which picture? Name its file.</source>
        <translation>¿Qué imagen? Indique su archivo.</translation>
    </message>
    <message>
        <source>Give the picture its name with --as, as in --as cup.colour.red.</source>
        <extracomment>--as is the option&apos;s name; the example is a file name&apos;s three parts, object, category and value</extracomment>
        <translation>Dé un nombre a la imagen con --as, como en --as cup.colour.red.</translation>
    </message>
</context>
<context>
    <name>AudioOutputs</name>
    <message>
        <source>This computer has no sound output, so no sound will be heard. Connect speakers or headphones, or switch the sound on in the computer&apos;s settings, then start Tessarine again.</source>
        <translation>Este ordenador no tiene salida de sonido, así que no se oirá ningún sonido. Conecte altavoces o auriculares, o active el sonido en la configuración del ordenador, y vuelva a iniciar Tessarine.</translation>
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
        <translation>Comprueba las imágenes y los sonidos de una carpeta de programa de Tessarine tal como los lee el ejercicio,
e indica, archivo por archivo, qué ocurrirá en el ejercicio y cómo corregirlo: imágenes de objeto sin su
símbolo o atributo, nombres con muy pocas partes, opciones con las que una serie se detiene con un
error, imágenes que no se pueden cargar o que nunca se muestran, carpetas con más de 1000 imágenes,
sonidos que faltan.

Estado de salida: 0 todas las series funcionan y no se encontró nada; 1 se encontró algo; 2 no se puede
leer la carpeta, no se puede escribir la hoja o la línea de comandos es incorrecta.</translation>
    </message>
    <message>
        <source>Usage: %1 (--help tells more)</source>
        <extracomment>%1 is how the command is written: keep it as it is</extracomment>
        <translation>Uso: %1 (--help da más información)</translation>
    </message>
    <message>
        <source>Print the findings as JSON (schema &quot;tessarine-check/1&quot;) instead of text.</source>
        <translation>Muestra las incidencias en JSON (esquema &quot;tessarine-check/1&quot;) en lugar de texto.</translation>
    </message>
    <message>
        <source>Also write a printable A4 sheet with one row per object picture: the picture, its caption, its symbol and its attribute, problems marked in colour.</source>
        <translation>Escribe además una hoja A4 imprimible con una fila por imagen de objeto: la imagen, su rótulo, su símbolo y su atributo, con los problemas marcados en color.</translation>
    </message>
    <message>
        <source>The folder that holds the Images, Symbols, Attributes and Sounds folders; without it the collection the program uses, as chosen in its options window (the program&apos;s own folder when none was chosen).</source>
        <translation>La carpeta que contiene las carpetas Images, Symbols, Attributes y Sounds; si se omite, la colección que usa el programa, tal como se eligió en su ventana de opciones (la propia carpeta del programa si no se eligió ninguna).</translation>
    </message>
    <message>
        <source>One --sheet at a time.</source>
        <translation>Solo un --sheet cada vez.</translation>
    </message>
    <message>
        <source>--sheet needs the name of the PDF file to write.</source>
        <translation>--sheet necesita el nombre del archivo PDF que se va a escribir.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>El nombre de la carpeta está vacío.</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Hoja escrita en %1</translation>
    </message>
    <message numerus="yes">
        <source>One folder at a time, not %n: &quot;%1&quot;.</source>
        <extracomment>%1 is the folders given, in quotes</extracomment>
        <translation>
            <numerusform>Una sola carpeta cada vez, no %n: &quot;%1&quot;.</numerusform>
            <numerusform>Una sola carpeta cada vez, no %n: &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <source>%1 on</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>%1 activado</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>%1 desactivado</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>the options under which a finding holds: all of them</extracomment>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>With %1</source>
        <extracomment>%1, %2 and %3 name options, each as it is set (&quot;on&quot;, &quot;off&quot;, or a choice)</extracomment>
        <translation>Con %1</translation>
    </message>
    <message>
        <source>With %1 and %2</source>
        <translation>Con %1 y %2</translation>
    </message>
    <message>
        <source>With %1 and %2 and %3</source>
        <translation>Con %1, %2 y %3</translation>
    </message>
</context>
<context>
    <name>CollectionChoice</name>
    <message>
        <source>The pictures chosen before, in %1, are no longer there (was the folder moved, renamed or on a disk that is not plugged in?). The program&apos;s own pictures are used instead.</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>Las imágenes elegidas antes, en %1, ya no están (¿se movió o se renombró la carpeta, o está en un disco que no está conectado?). En su lugar se usan las imágenes del programa.</translation>
    </message>
</context>
<context>
    <name>CollectionEditor</name>
    <message>
        <source>Could not write %1: %2.</source>
        <extracomment>%1 is a file or folder, %2 why it could not be written</extracomment>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>The part of the picture to keep is empty.</source>
        <translation>La parte de la imagen que se conserva está vacía.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>Ends &quot;Could not write ...: &quot;; %1 is the path in the way</extracomment>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>this folder may not be written here</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>no se permite escribir en esta carpeta</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>Which object is to be renamed? None was named.</source>
        <translation>¿Qué objeto se va a renombrar? No se indicó ninguno.</translation>
    </message>
    <message>
        <source>Which category is to be renamed? None was named.</source>
        <translation>¿Qué categoría se va a renombrar? No se indicó ninguna.</translation>
    </message>
    <message>
        <source>Which value is to be renamed? None was named.</source>
        <translation>¿Qué valor se va a renombrar? No se indicó ninguno.</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. Nothing was renamed.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why it could not be renamed</extracomment>
        <translation>No se pudo renombrar %1 como %2: %3. No se renombró nada.</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. These files kept their new names: %4.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why, %4 the files that kept their new names</extracomment>
        <translation>No se pudo renombrar %1 como %2: %3. Estos archivos conservaron su nuevo nombre: %4.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash; it was left where it is.</source>
        <translation>No se pudo mover %1 a la papelera; se ha dejado donde está.</translation>
    </message>
</context>
<context>
    <name>Collections</name>
    <message>
        <source>The picture %1 could not be copied into the new collection.</source>
        <translation>No se pudo copiar la imagen %1 en la nueva colección.</translation>
    </message>
    <message>
        <source>Program&apos;s own pictures</source>
        <extracomment>The collection of pictures that comes with the program, first in the &quot;Pictures&quot; list</extracomment>
        <translation>Imágenes del programa</translation>
    </message>
    <message>
        <source>A new collection needs a name.</source>
        <translation>Una colección nueva necesita un nombre.</translation>
    </message>
    <message>
        <source>The name of a collection cannot hold a slash: &quot;%1&quot;.</source>
        <translation>El nombre de una colección no puede contener una barra: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The name of a collection cannot start with a dot: &quot;%1&quot;.</source>
        <translation>El nombre de una colección no puede empezar por un punto: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is already a collection named &quot;%1&quot;.</source>
        <translation>Ya existe una colección llamada &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder for collections, %1, could not be made.</source>
        <translation>No se pudo crear la carpeta de colecciones, %1.</translation>
    </message>
    <message>
        <source>The collection &quot;%1&quot; could not be made in %2.</source>
        <translation>No se pudo crear la colección &quot;%1&quot; en %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tessarine --export-records LEARNER FILE.csv</source>
        <extracomment>The command and its option stay as they are; LEARNER and FILE.csv say what to write there</extracomment>
        <translation>Uso: tessarine --export-records ALUMNO ARCHIVO.csv</translation>
    </message>
</context>
<context>
    <name>DirectoryListing</name>
    <message>
        <source>Invalid file pattern: %1</source>
        <translation>Patrón de archivo no válido: %1</translation>
    </message>
    <message>
        <source>Folder cannot be read: %1</source>
        <translation>No se puede leer la carpeta: %1</translation>
    </message>
</context>
<context>
    <name>DistractorFindings</name>
    <message>
        <source>No symbol that could be shown as the wrong choice can be loaded (%1).</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>No se puede cargar ningún símbolo que pueda mostrarse como opción incorrecta (%1).</translation>
    </message>
    <message>
        <source>No attribute that could be shown as the wrong choice can be loaded (%1).</source>
        <translation>No se puede cargar ningún atributo que pueda mostrarse como opción incorrecta (%1).</translation>
    </message>
    <message>
        <source>Replace the pictures that cannot be loaded (see below).</source>
        <translation>Sustituya las imágenes que no se pueden cargar (véase más abajo).</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with the error of the picture drawn.</source>
        <translation>%1, la serie se detiene a medias con el error de la imagen sorteada.</translation>
    </message>
    <message>
        <source>%1, the exercise gives up after %2 draws that miss, so the set can stop half-way with error 550 %3 (%4).</source>
        <extracomment>%1 names the options, %2 is a number of draws, %3 the exercise&apos;s error message, %4 how often</extracomment>
        <translation>%1, el ejercicio desiste tras %2 sorteos fallidos, así que la serie puede detenerse a medias con el error 550 %3 (%4).</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects.</source>
        <translation>Añada imágenes de símbolo de otros objetos.</translation>
    </message>
    <message>
        <source>Add attributes with other values to the category &quot;%1&quot;.</source>
        <translation>Añada atributos con otros valores a la categoría &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add attributes with other values.</source>
        <translation>Añada atributos con otros valores.</translation>
    </message>
    <message>
        <source>There is no symbol with another name to show as the wrong choice: every symbol picture is a &quot;%1&quot;.</source>
        <translation>No hay ningún símbolo con otro nombre que mostrar como opción incorrecta: todas las imágenes de símbolo son &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects, or turn off %1.</source>
        <translation>Añada imágenes de símbolo de otros objetos o desactive %1.</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>No hay ningún atributo de la categoría &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1, %2 (the exercise tries to load the Attributes folder itself as a picture).</source>
        <translation>%1, %2 (el ejercicio intenta cargar la propia carpeta Attributes como imagen).</translation>
    </message>
    <message>
        <source>Add attribute pictures %1.VALUE.jpg for at least two values, or choose %2.</source>
        <translation>Añada imágenes de atributo %1.VALOR.jpg para al menos dos valores, o elija %2.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has no other value than &quot;%2&quot; to show as the wrong choice.</source>
        <translation>La categoría &quot;%1&quot; no tiene otro valor que &quot;%2&quot; que mostrar como opción incorrecta.</translation>
    </message>
    <message>
        <source>Add another attribute of this category (for example %1), or choose %2.</source>
        <translation>Añada otro atributo de esta categoría (por ejemplo %1), o elija %2.</translation>
    </message>
    <message>
        <source>Every attribute carries the value &quot;%1&quot;, so there is none to show as the wrong choice.</source>
        <translation>Todos los atributos tienen el valor &quot;%1&quot;, así que no hay ninguno que mostrar como opción incorrecta.</translation>
    </message>
    <message>
        <source>Add an attribute with another value, or turn off %1.</source>
        <translation>Añada un atributo con otro valor, o desactive %1.</translation>
    </message>
    <message numerus="yes">
        <source>Of the %n symbol(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <extracomment>%1 is how many of them can serve</extracomment>
        <translation>
            <numerusform>Símbolos entre los que se sortea la opción incorrecta: %n; de ellos, utilizables: %1.</numerusform>
            <numerusform>Símbolos entre los que se sortea la opción incorrecta: %n; de ellos, utilizables: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %n attribute(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <translation>
            <numerusform>Atributos entre los que se sortea la opción incorrecta: %n; de ellos, utilizables: %1.</numerusform>
            <numerusform>Atributos entre los que se sortea la opción incorrecta: %n; de ellos, utilizables: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Error &quot;%1&quot; in %2() function</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the function, kept as it is</extracomment>
        <translation>Error &quot;%1&quot; en la función %2()</translation>
    </message>
    <message>
        <source>Error &quot;%1&quot; in %2() routine</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the routine, kept as it is</extracomment>
        <translation>Error &quot;%1&quot; en la rutina %2()</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <extracomment>%1 is the error&apos;s number, %2 what went wrong</extracomment>
        <translation>Error &apos;%1&apos; en tiempo de ejecución: %2</translation>
    </message>
</context>
<context>
    <name>ExerciseSession</name>
    <message>
        <source>No object picture has the chosen targets: all the pictures are drawn</source>
        <translation>Ninguna imagen de objeto tiene los objetivos elegidos: se sortean todas las imágenes</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>This is a folder inside %1; the pictures in it are never looked at.</source>
        <translation>Esta es una carpeta dentro de %1; las imágenes que contiene no se leen nunca.</translation>
    </message>
    <message>
        <source>None of its pictures is ever shown.</source>
        <translation>No se muestra nunca ninguna de sus imágenes.</translation>
    </message>
    <message>
        <source>Move the pictures you want into the %1 folder itself.</source>
        <translation>Mueva las imágenes que quiera a la propia carpeta %1.</translation>
    </message>
    <message>
        <source>There is already a %1 in %2: keep the one you want, or give this one a name of its own.</source>
        <translation>Ya hay un %1 en %2: conserve el que quiera o dé a este un nombre distinto.</translation>
    </message>
    <message>
        <source>This file is hidden (its name starts with a full stop).</source>
        <translation>Este archivo está oculto (su nombre empieza por un punto).</translation>
    </message>
    <message>
        <source>Hidden files are never listed, so this picture is never shown.</source>
        <translation>Los archivos ocultos no se listan nunca, así que esta imagen no se muestra nunca.</translation>
    </message>
    <message>
        <source>Rename it without the leading full stop, to %1.</source>
        <translation>Renómbrelo sin el punto inicial, como %1.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in &quot;.%1&quot;.</source>
        <translation>Solo se usan las imágenes cuyo nombre termina en &quot;.jpg&quot;; esta termina en &quot;.%1&quot;.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in a blank.</source>
        <translation>Solo se usan las imágenes cuyo nombre termina en &quot;.jpg&quot;; esta termina en un espacio en blanco.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one has no ending at all.</source>
        <translation>Solo se usan las imágenes cuyo nombre termina en &quot;.jpg&quot;; esta no tiene ninguna extensión.</translation>
    </message>
    <message>
        <source>This picture is never shown.</source>
        <translation>Esta imagen no se muestra nunca.</translation>
    </message>
    <message>
        <source>It is a JPEG picture: rename it to %1.</source>
        <translation>Es una imagen JPEG: renómbrela como %1.</translation>
    </message>
    <message>
        <source>Save it as a JPEG picture named %1 (in a picture editor: &quot;Save as&quot;, JPEG).</source>
        <translation>Guárdela como imagen JPEG con el nombre %1 (en un editor de imágenes: &quot;Guardar como&quot;, JPEG).</translation>
    </message>
    <message>
        <source>The %1 folder is missing.</source>
        <translation>Falta la carpeta %1.</translation>
    </message>
    <message>
        <source>Create a folder named %1 (with this spelling) beside the program and put your pictures in it.</source>
        <translation>Cree una carpeta llamada %1 (escrita así) junto al programa y ponga en ella sus imágenes.</translation>
    </message>
    <message>
        <source>The %1 folder cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder (for example: chmod a+rx %1).</source>
        <translation>Dé a todos los usuarios permiso para leer la carpeta (por ejemplo: chmod a+rx %1).</translation>
    </message>
    <message>
        <source>The %1 folder holds no .jpg picture.</source>
        <translation>La carpeta %1 no contiene ninguna imagen .jpg.</translation>
    </message>
    <message>
        <source>Put your pictures, saved as .jpg, into the %1 folder.</source>
        <translation>Ponga sus imágenes, guardadas como .jpg, en la carpeta %1.</translation>
    </message>
    <message>
        <source>the set stops half-way</source>
        <translation>la serie se detiene a medias</translation>
    </message>
    <message>
        <source>No set can be shown: when the exercise opens, %1.</source>
        <translation>No se puede mostrar ninguna serie: al abrirse el ejercicio, %1.</translation>
    </message>
    <message>
        <source>No set has a right symbol, and with %1 on %2.</source>
        <translation>Ninguna serie tiene un símbolo correcto y, con %1 activado, %2.</translation>
    </message>
    <message>
        <source>No set has a right attribute, and with %1 on %2.</source>
        <translation>Ninguna serie tiene un atributo correcto y, con %1 activado, %2.</translation>
    </message>
    <message>
        <source>The exercise also shows the message %1 when it opens.</source>
        <translation>Además, el ejercicio muestra el mensaje %1 al abrirse.</translation>
    </message>
    <message numerus="yes">
        <source>%n time(s), once for each of them</source>
        <translation>
            <numerusform>%n vez, una por cada imagen</numerusform>
            <numerusform>%n veces, una por cada imagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep at most %1 pictures in %2; move the others to a folder of their own and swap them in when needed.</source>
        <translation>Deje como máximo %1 imágenes en %2; mueva las demás a una carpeta aparte e intercámbielas cuando las necesite.</translation>
    </message>
    <message>
        <source>The Sounds folder is missing.</source>
        <translation>Falta la carpeta Sounds.</translation>
    </message>
    <message>
        <source>Create a folder named Sounds beside the program with the wave files ok.wav and error.wav.</source>
        <translation>Cree junto al programa una carpeta llamada Sounds con los archivos WAV ok.wav y error.wav.</translation>
    </message>
    <message>
        <source>The Sounds folder cannot be read (%1).</source>
        <translation>No se puede leer la carpeta Sounds (%1).</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen.</source>
        <translation>No se puede elegir ningún sonido de retroalimentación.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder.</source>
        <translation>Dé a todos los usuarios permiso para leer la carpeta.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no right-answer sound is chosen, so a right-answer click is silent.</source>
        <translation>En el primer inicio (o si el sonido elegido ya no está) no hay ningún sonido de acierto elegido, así que un clic en la respuesta correcta no suena.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no wrong-answer sound is chosen, so a wrong-answer click is silent.</source>
        <translation>En el primer inicio (o si el sonido elegido ya no está) no hay ningún sonido de error elegido, así que un clic en una respuesta incorrecta no suena.</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>No se puede reproducir %1: %2</translation>
    </message>
    <message>
        <source>Chosen as a feedback sound, it is not heard, and the learner gets no answer.</source>
        <translation>Elegido como sonido de retroalimentación, no se oye, y el alumno no recibe ninguna respuesta.</translation>
    </message>
    <message>
        <source>Save it again as a PCM wave file (WAV, 16 bit), or choose another sound.</source>
        <translation>Guárdelo de nuevo como archivo WAV PCM (16 bits), o elija otro sonido.</translation>
    </message>
    <message>
        <source>There is no %1 in the Sounds folder.</source>
        <translation>No hay ningún %1 en la carpeta Sounds.</translation>
    </message>
    <message>
        <source>Add a wave file named %1, or choose another sound in the options window.</source>
        <translation>Añada un archivo WAV llamado %1, o elija otro sonido en la ventana de opciones.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 folder holds %n picture(s); only the first %2 (in name order) are used.</source>
        <extracomment>%1 is a folder&apos;s name, %2 the most pictures the exercise lists</extracomment>
        <translation>
            <numerusform>La carpeta %1 contiene %n imagen; solo se usan las %2 primeras (por orden de nombre).</numerusform>
            <numerusform>La carpeta %1 contiene %n imágenes; solo se usan las %2 primeras (por orden de nombre).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) never shown (%1), and every time the exercise opens it shows the error message %2 %3.</source>
        <extracomment>%1 is a list of file names, %2 the exercise&apos;s error message, %3 how often it is shown</extracomment>
        <translation>
            <numerusform>%n imagen no se muestra nunca (%1), y cada vez que se abre, el ejercicio muestra el mensaje de error %2 %3.</numerusform>
            <numerusform>%n imágenes no se muestran nunca (%1), y cada vez que se abre, el ejercicio muestra el mensaje de error %2 %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>how often the exercise shows an error message</extracomment>
        <translation>una vez</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen: both sound lists offer only &quot;%1&quot;.</source>
        <translation>No se puede elegir ningún sonido de retroalimentación: las dos listas de sonidos solo ofrecen &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>HeifReader</name>
    <message>
        <source>too large</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>no picture data</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>sin datos de imagen</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;; %1 by %2 are the picture&apos;s width and height</extracomment>
        <translation>no hay memoria suficiente para %1 por %2</translation>
    </message>
</context>
<context>
    <name>ImportPanel</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>too large to decode at %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>demasiado grande para decodificarla a %1 por %2</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>no hay memoria suficiente para %1 por %2</translation>
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
        <translation>Su nombre solo se diferencia de %1 en mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>Names are compared without regard to capitals, so only %1 is ever shown as the right answer. Copied to a memory stick or a Windows computer, one file would also replace the other.</source>
        <translation>Los nombres se comparan sin distinguir mayúsculas y minúsculas, así que solo %1 se muestra como respuesta correcta. Además, al copiarlos a una memoria USB o a un ordenador con Windows, un archivo sustituiría al otro.</translation>
    </message>
    <message>
        <source>Both are shown, but copied to a memory stick or a Windows computer one file would replace the other.</source>
        <translation>Se muestran los dos, pero al copiarlos a una memoria USB o a un ordenador con Windows un archivo sustituiría al otro.</translation>
    </message>
    <message>
        <source>Delete one of the two, or give them different names.</source>
        <translation>Borre uno de los dos o deles nombres distintos.</translation>
    </message>
    <message>
        <source>It has the same symbol name as %1, which comes first.</source>
        <translation>Tiene el mismo nombre de símbolo que %1, que va primero.</translation>
    </message>
    <message>
        <source>It has the same category and value as %1, which comes first.</source>
        <translation>Tiene la misma categoría y el mismo valor que %1, que va primero.</translation>
    </message>
    <message>
        <source>Only %1 is ever shown as the right answer (for %2); this picture only ever appears as a distractor in other sets.</source>
        <translation>Solo %1 se muestra como respuesta correcta (para %2); esta imagen solo aparece como distractor en otras series.</translation>
    </message>
    <message>
        <source>Keep only the picture you want, or give this one a name of its own.</source>
        <translation>Conserve solo la imagen que quiera o dé a esta un nombre distinto.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; attribute pictures need two: category.value.jpg.</source>
        <translation>El nombre solo tiene una parte antes de &quot;.jpg&quot;; las imágenes de atributo necesitan dos: categoría.valor.jpg.</translation>
    </message>
    <message>
        <source>It is read as the category &quot;%1&quot; with the value &quot;jpg&quot;, so it is the right answer of no picture.</source>
        <translation>Se lee como la categoría &quot;%1&quot; con el valor &quot;jpg&quot;, así que no es la respuesta correcta de ninguna imagen.</translation>
    </message>
    <message>
        <source>Rename it to category.value.jpg, for example %1.</source>
        <translation>Renómbrela como categoría.valor.jpg, por ejemplo %1.</translation>
    </message>
    <message>
        <source>Every set with %1 %2.</source>
        <translation>En cada serie con %1, %2.</translation>
    </message>
    <message>
        <source>%1, other sets stop the same way whenever this picture is drawn as the wrong choice.</source>
        <translation>%1, otras series se detienen del mismo modo siempre que esta imagen se sortea como opción incorrecta.</translation>
    </message>
    <message>
        <source>It is not used in any set at the moment, but would stop any set it is shown in.</source>
        <translation>Ahora no se usa en ninguna serie, pero detendría cualquier serie en la que se mostrara.</translation>
    </message>
</context>
<context>
    <name>MediaChecker</name>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>No existe la carpeta %1.</translation>
    </message>
    <message>
        <source>Nothing can be checked.</source>
        <translation>No se puede comprobar nada.</translation>
    </message>
    <message>
        <source>Give the folder that holds the program and its Images, Symbols, Attributes and Sounds folders.</source>
        <translation>Indique la carpeta que contiene el programa y sus carpetas Images, Symbols, Attributes y Sounds.</translation>
    </message>
</context>
<context>
    <name>NameHints</name>
    <message>
        <source>Is the category &quot;%1&quot; a spelling slip for %2?</source>
        <extracomment>%1 is a part of a file name, %2 a list of names like it</extracomment>
        <translation>¿La categoría &quot;%1&quot; es una errata por %2?</translation>
    </message>
    <message>
        <source>Is the value &quot;%1&quot; a spelling slip for %2?</source>
        <translation>¿El valor &quot;%1&quot; es una errata por %2?</translation>
    </message>
    <message>
        <source>Symbols/%1 is there, but it is never used (see below).</source>
        <translation>Symbols/%1 existe, pero no se usa nunca (véase más abajo).</translation>
    </message>
    <message>
        <source>Is it a spelling slip for %1?</source>
        <comment>%1 is a list of file names</comment>
        <translation>¿Es una errata por %1?</translation>
    </message>
    <message>
        <source>Attributes/%1 is there, but it is never used (see below).</source>
        <translation>Attributes/%1 existe, pero no se usa nunca (véase más abajo).</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>No hay ningún atributo de la categoría &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has: %2.</source>
        <comment>%2 is a list of values</comment>
        <translation>La categoría &quot;%1&quot; tiene: %2.</translation>
    </message>
</context>
<context>
    <name>ObjectAnalysis</name>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <translation>No se puede reproducir la grabación %1: %2</translation>
    </message>
    <message>
        <source>With the spoken caption on, the synthetic voice speaks instead, and the first set with this picture shows an error message.</source>
        <translation>Con el rótulo hablado activado, en su lugar habla la voz sintética, y la primera serie con esta imagen muestra un mensaje de error.</translation>
    </message>
    <message>
        <source>Record it again and save it as a PCM wave file (WAV, 16 bit).</source>
        <translation>Grábela de nuevo y guárdela como archivo WAV PCM (16 bits).</translation>
    </message>
</context>
<context>
    <name>ObjectFindings</name>
    <message>
        <source>Whenever this picture is drawn, %1.</source>
        <translation>Siempre que se sortea esta imagen, %1.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>El nombre solo tiene una parte antes de &quot;.jpg&quot;; las imágenes de objeto necesitan tres: símbolo.categoría.valor.jpg.</translation>
    </message>
    <message>
        <source>The name has only two parts before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>El nombre solo tiene dos partes antes de &quot;.jpg&quot;; las imágenes de objeto necesitan tres: símbolo.categoría.valor.jpg.</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg, for example %1.</source>
        <translation>Renómbrela como símbolo.categoría.valor.jpg, por ejemplo %1.</translation>
    </message>
    <message>
        <source>The name has an empty part (two full stops in a row).</source>
        <translation>El nombre tiene una parte vacía (dos puntos seguidos, &quot;..&quot;).</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg with one full stop between the parts.</source>
        <translation>Renómbrela como símbolo.categoría.valor.jpg, con un solo punto entre las partes.</translation>
    </message>
    <message>
        <source>The caption reads %1 (the extension is taken for the value), and only an attribute named %2.jpg would match.</source>
        <extracomment>%1 is the caption as the exercise shows it, %2 the second part of the picture&apos;s name</extracomment>
        <translation>El rótulo dice %1 (la extensión se toma como valor), y solo coincidiría un atributo llamado %2.jpg.</translation>
    </message>
    <message numerus="yes">
        <source>The caption reads %1. The exercise shows two error messages %2 each time it reads the missing third part: %n message(s) every time this picture comes up, and more with %3 on.</source>
        <extracomment>%1 is the caption, %2 the exercise&apos;s error message, %3 the name of an option</extracomment>
        <translation>
            <numerusform>El rótulo dice %1. El ejercicio muestra dos mensajes de error %2 cada vez que lee la tercera parte que falta: %n mensaje cada vez que aparece esta imagen, y más con %3 activado.</numerusform>
            <numerusform>El rótulo dice %1. El ejercicio muestra dos mensajes de error %2 cada vez que lee la tercera parte que falta: %n mensajes cada vez que aparece esta imagen, y más con %3 activado.</numerusform>
        </translation>
    </message>
    <message>
        <source>The caption reads %1; an empty part matches no symbol or attribute.</source>
        <translation>El rótulo dice %1; una parte vacía no coincide con ningún símbolo ni atributo.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer.</source>
        <translation>La fila de atributos no tiene respuesta correcta.</translation>
    </message>
    <message>
        <source>There is no symbol picture for &quot;%1&quot;.</source>
        <translation>No hay ninguna imagen de símbolo para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add a symbol picture named %1.jpg to the Symbols folder (the first part of this picture&apos;s name).</source>
        <translation>Añada a la carpeta Symbols una imagen de símbolo llamada %1.jpg (la primera parte del nombre de esta imagen).</translation>
    </message>
    <message>
        <source>Its symbol %1 cannot be loaded.</source>
        <translation>No se puede cargar su símbolo %1.</translation>
    </message>
    <message>
        <source>Replace Symbols/%1 (see below).</source>
        <translation>Sustituya Symbols/%1 (véase más abajo).</translation>
    </message>
    <message>
        <source>There is no attribute picture for &quot;%1&quot; &quot;%2&quot;.</source>
        <translation>No hay ninguna imagen de atributo para &quot;%1&quot; &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Add an attribute picture named %1.%2.jpg to the Attributes folder, or rename this picture after an attribute that exists.</source>
        <translation>Añada a la carpeta Attributes una imagen de atributo llamada %1.%2.jpg, o renombre esta imagen según un atributo que exista.</translation>
    </message>
    <message>
        <source>Its attribute %1 cannot be loaded.</source>
        <translation>No se puede cargar su atributo %1.</translation>
    </message>
    <message>
        <source>Replace Attributes/%1 (see below).</source>
        <translation>Sustituya Attributes/%1 (véase más abajo).</translation>
    </message>
    <message>
        <source>The symbol row has no right answer: with %1 off it stays blank, with it on only a wrong symbol is shown. With &quot;Use sequence&quot; on, the attribute row never appears, so the learner can only leave the set with &quot;%2&quot;.</source>
        <translation>La fila de símbolos no tiene respuesta correcta: con %1 desactivado queda vacía, y activado solo se muestra un símbolo incorrecto. Con &quot;Usar secuencia&quot; activado, la fila de atributos no aparece nunca, así que el alumno solo puede salir de la serie con &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer (with %1 on only a wrong one is shown). With &quot;Use sequence&quot; on, the learner cannot finish the set: only &quot;%2&quot; leaves it.</source>
        <translation>La fila de atributos no tiene respuesta correcta (con %1 activado solo se muestra uno incorrecto). Con &quot;Usar secuencia&quot; activado, el alumno no puede terminar la serie: solo sale de ella con &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>OptionsLogic</name>
    <message>
        <source>*** NO SOUND ***</source>
        <extracomment>The first entry of both sound lists: play no sound</extracomment>
        <translation>*** SIN SONIDO ***</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Invalid picture %1 (%2)</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be loaded</extracomment>
        <translation>Imagen no válida %1 (%2)</translation>
    </message>
    <message>
        <source>too large: %1 by %2</source>
        <translation>demasiado grande: %1 por %2</translation>
    </message>
    <message>
        <source>not a readable picture</source>
        <translation>no es una imagen legible</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>not a readable picture: %1</source>
        <translation>no es una imagen legible: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>dañada: %1</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>The object is empty.</source>
        <translation>El objeto está vacío.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>El objeto &quot;%1&quot; contiene un punto; los puntos solo separan las partes.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>El objeto &quot;%1&quot; contiene un carácter que no puede llevar un nombre de archivo.</translation>
    </message>
    <message>
        <source>The category is empty.</source>
        <translation>La categoría está vacía.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>La categoría &quot;%1&quot; contiene un punto; los puntos solo separan las partes.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>La categoría &quot;%1&quot; contiene un carácter que no puede llevar un nombre de archivo.</translation>
    </message>
    <message>
        <source>The value is empty.</source>
        <translation>El valor está vacío.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>El valor &quot;%1&quot; contiene un punto; los puntos solo separan las partes.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>El valor &quot;%1&quot; contiene un carácter que no puede llevar un nombre de archivo.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</source>
        <extracomment>The example is a file name&apos;s three parts; it may be given in the language&apos;s own words</extracomment>
        <translation>
            <numerusform>El nombre de una imagen tiene tres partes, objeto, categoría y valor, como en taza.color.rojo; este tiene %n.</numerusform>
            <numerusform>El nombre de una imagen tiene tres partes, objeto, categoría y valor, como en taza.color.rojo; este tiene %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PicturePrompts</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of patterns such as *.jpg</extracomment>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Nueva colección</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>A new collection with no pictures in it</extracomment>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>A copy of the program&apos;s sample pictures</source>
        <translation>Una copia de las imágenes de ejemplo del programa</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The new collection&apos;s name</extracomment>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The title of the question</extracomment>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>The program&apos;s own pictures cannot be changed on this computer.
Make a personal copy of them to change instead, named:</source>
        <translation>Las imágenes del programa no se pueden cambiar en este ordenador.
Haga una copia personal de ellas para cambiarla en su lugar, con el nombre:</translation>
    </message>
    <message>
        <source>New name of the object &quot;%1&quot;:</source>
        <translation>Nuevo nombre del objeto &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>New name of the category &quot;%1&quot;:</source>
        <translation>Nuevo nombre de la categoría &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>New name of the value &quot;%1&quot;:</source>
        <translation>Nuevo nombre del valor &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>The title of the question</extracomment>
        <translation>Renombrar</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>%1 is too large a picture (%2 by %3 pixels) to be read here.</source>
        <extracomment>%1 is the file, %2 by %3 its width and height</extracomment>
        <translation>%1 es una imagen demasiado grande (%2 por %3 píxeles) para leerla aquí.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation>%1 es una carpeta, no una imagen.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged, or is not the kind of picture its name says.</source>
        <translation>El archivo %1 está dañado o no es el tipo de imagen que indica su nombre.</translation>
    </message>
    <message>
        <source>%1 is not a picture this computer can read.</source>
        <translation>%1 no es una imagen que este ordenador pueda leer.</translation>
    </message>
    <message>
        <source>%1 is a damaged JPEG picture (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>%1 es una imagen JPEG dañada (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>No se pudo leer %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is a HEIC/HEIF picture that could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the reason libheif gives</extracomment>
        <translation>%1 es una imagen HEIC/HEIF que no se pudo leer (%2).</translation>
    </message>
    <message>
        <source>%1 is damaged (%2).</source>
        <extracomment>%1 is the file, %2 the reader&apos;s reason</extracomment>
        <translation>El archivo %1 está dañado (%2).</translation>
    </message>
</context>
<context>
    <name>PicturesWindow</name>
    <message>
        <source>My pictures</source>
        <extracomment>The name suggested for a teacher&apos;s own copy of the program&apos;s pictures; it becomes a folder&apos;s name</extracomment>
        <translation>Mis imágenes</translation>
    </message>
    <message>
        <source>My pictures %1</source>
        <extracomment>The same when &quot;My pictures&quot; is taken; %1 is 2, 3, ...</extracomment>
        <translation>Mis imágenes %1</translation>
    </message>
</context>
<context>
    <name>PromptFrame</name>
    <message>
        <source>Prompt</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>QtMicrophone</name>
    <message>
        <source>This computer has no microphone to record with</source>
        <translation>Este ordenador no tiene ningún micrófono con el que grabar</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot record 16-bit sound</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>El micrófono &quot;%1&quot; no puede grabar sonido de 16 bits</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be used now</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>El micrófono &quot;%1&quot; no se puede usar ahora</translation>
    </message>
</context>
<context>
    <name>QtSpeechVoice</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>La voz no puede hablar: %1</translation>
    </message>
</context>
<context>
    <name>RecordsChart</name>
    <message>
        <source>Session</source>
        <extracomment>The title of the chart&apos;s horizontal axis, numbered by session</extracomment>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>First try right, per session</source>
        <translation>Aciertos al primer intento, por sesión</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The name of a line in the chart&apos;s legend: symbols right at the first try</extracomment>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The name of a line in the chart&apos;s legend: attributes right at the first try</extracomment>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right without a prompt</extracomment>
        <translation>Aciertos independientes</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right with the answer shown as a prompt</extracomment>
        <translation>Aciertos con ayuda</translation>
    </message>
    <message>
        <source>Mastery (%1 %)</source>
        <extracomment>The name of the mastery line in the chart&apos;s legend; %1 is the rule&apos;s percent</extracomment>
        <translation>Dominio (%1 %)</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>No hay registros del alumno &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>RecordsFile</name>
    <message>
        <source>The records file %1 is in use by another program; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Otro programa está usando el archivo de registros %1; no se guardan registros (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>El archivo de registros %1 está dañado (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>No se puede abrir el archivo de registros %1; no se guardan registros (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be read; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>No se puede leer el archivo de registros %1; no se guardan registros (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be written; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>No se puede escribir en el archivo de registros %1; no se guardan registros (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed; records are not kept</source>
        <translation>El controlador SQLite de Qt no está instalado; no se guardan registros</translation>
    </message>
    <message>
        <source>There is no records file %1</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>No existe el archivo de registros %1</translation>
    </message>
    <message>
        <source>The records folder %1 cannot be created; records are not kept</source>
        <extracomment>%1 is the records folder&apos;s path</extracomment>
        <translation>No se puede crear la carpeta de registros %1; no se guardan registros</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the system&apos;s word on what went wrong</extracomment>
        <translation>No se puede crear el archivo de registros %1; no se guardan registros (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged and cannot be moved aside; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>El archivo de registros %1 está dañado y no se puede apartar; no se guardan registros</translation>
    </message>
    <message>
        <source>The records file was damaged: it is kept as %1 and a new records file was started</source>
        <extracomment>%1 is the path the damaged file was moved to</extracomment>
        <translation>El archivo de registros estaba dañado: se conserva como %1 y se ha empezado un archivo de registros nuevo</translation>
    </message>
    <message>
        <source>The file %1 is not a Tessarine records file; it is left as it is and records are not kept</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>El archivo %1 no es un archivo de registros de Tessarine; se deja como está y no se guardan registros</translation>
    </message>
    <message>
        <source>The records file %1 cannot keep a write-ahead log; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path; the write-ahead log is how the database keeps its changes safe</extracomment>
        <translation>El archivo de registros %1 no puede usar un diario de escritura anticipada (WAL); no se guardan registros</translation>
    </message>
    <message>
        <source>The school server %1 cannot be reached (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>No se puede conectar con el servidor del centro %1 (%2)</translation>
    </message>
    <message>
        <source>The records on the school server %1 cannot be used (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>Los registros del servidor del centro %1 no se pueden usar (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (libqt6sql6-psql) is not installed; the school server cannot be used</source>
        <translation>El controlador PostgreSQL de Qt (libqt6sql6-psql) no está instalado; no se puede usar el servidor del centro</translation>
    </message>
    <message>
        <source>The database %1 on the school server holds another program&apos;s tables; it is left as it is</source>
        <extracomment>%1 names a PostgreSQL database on the school&apos;s server</extracomment>
        <translation>La base de datos %1 del servidor del centro contiene tablas de otro programa; se deja como está</translation>
    </message>
</context>
<context>
    <name>RecordsModel</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>A cell of the Sessions table: %1 first tries answered right, of %2 in all</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column header of the Sessions table: when the session started</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>Column header: the number of sets shown in the session</extracomment>
        <translation>Series</translation>
    </message>
    <message>
        <source>Symbols first try</source>
        <extracomment>Column header: the percent of symbols chosen right at the first try</extracomment>
        <translation>Símbolos al primer intento</translation>
    </message>
    <message>
        <source>Attributes first try</source>
        <extracomment>Column header: the percent of attributes chosen right at the first try</extracomment>
        <translation>Atributos al primer intento</translation>
    </message>
    <message>
        <source>Median response</source>
        <extracomment>Column header: the median time to answer</extracomment>
        <translation>Mediana de respuesta</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>Column header: first tries right without a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Aciertos independientes</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>Column header: first tries right with the answer shown as a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Aciertos con ayuda</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header of the Targets table: a symbol or an attribute the learner is taught to choose</extracomment>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: whether the target is a symbol or an attribute</extracomment>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>Column header: the number of trials</extracomment>
        <translation>Ensayos</translation>
    </message>
    <message>
        <source>First try, last sessions</source>
        <extracomment>Column header: the percent right at the first try in the last sessions the mastery rule looks at</extracomment>
        <translation>Primer intento, últimas sesiones</translation>
    </message>
    <message>
        <source>Mastered</source>
        <extracomment>Column header: whether the target is mastered, &quot;Yes&quot; or &quot;No&quot;</extracomment>
        <translation>Dominado</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Atributo</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>Sí</translation>
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
            <numerusform>%n sesión, impreso el %1</numerusform>
            <numerusform>%n sesiones, impreso el %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Mastered: at least %1 % right at the first try in each of the last %2 sessions, with at least %3 trials in each</source>
        <extracomment>The mastery rule in the report: %1 is a percent, %2 a number of sessions, %3 a number of trials</extracomment>
        <translation>Dominado: al menos un %1 % de aciertos al primer intento en cada una de las últimas %2 sesiones, con al menos %3 ensayos en cada una</translation>
    </message>
    <message>
        <source>Mastery and the first-try percentages count only first answers given without a prompt.</source>
        <translation>El dominio y los porcentajes de primer intento solo cuentan las primeras respuestas dadas sin ayuda.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column header: the name of the computer the session was recorded on</extracomment>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>User</source>
        <extracomment>Column header: who was logged in on the computer during the session</extracomment>
        <translation>Usuario</translation>
    </message>
</context>
<context>
    <name>RecordsPlaceBox</name>
    <message>
        <source>Type the school server&apos;s connection string, such as host=db.school dbname=tessarine user=teacher or service=NAME.</source>
        <translation>Escriba la cadena de conexión del servidor del centro, por ejemplo host=db.school dbname=tessarine user=teacher o service=NAME.</translation>
    </message>
</context>
<context>
    <name>RecordsReport</name>
    <message>
        <source>A page cannot be added</source>
        <translation>No se puede añadir una página</translation>
    </message>
    <message>
        <source>No records yet.</source>
        <translation>Aún no hay registros.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The report&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Registros de %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be started</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>No se puede escribir %1: no se puede iniciar el PDF</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The title of the report&apos;s sessions table</extracomment>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Sessions (continued)</source>
        <extracomment>The title of the sessions table on the pages after its first</extracomment>
        <translation>Sesiones (continuación)</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The title of the report&apos;s targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Objetivos</translation>
    </message>
    <message>
        <source>Targets (continued)</source>
        <extracomment>The title of the targets table on the pages after its first</extracomment>
        <translation>Objetivos (continuación)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be finished</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>No se puede escribir %1: no se puede terminar el PDF</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>The records file %1 was written by a later version of Tessarine; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>El archivo de registros %1 lo escribió una versión posterior de Tessarine; no se guardan registros</translation>
    </message>
</context>
<context>
    <name>RecordsStore</name>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>No hay registros del alumno &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The records in %1 did not keep a new row; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path or names the school server</extracomment>
        <translation>Los registros de %1 no guardaron una fila nueva; no se guardan registros</translation>
    </message>
</context>
<context>
    <name>RewardOverlay</name>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Recompensa</translation>
    </message>
</context>
<context>
    <name>RunRecords</name>
    <message>
        <source>The access settings of %1 are taken from the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Los ajustes de acceso de %1 se toman del archivo de configuración.</translation>
    </message>
    <message>
        <source>The settings file has no access settings for %1: the defaults are used.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>El archivo de configuración no tiene ajustes de acceso para %1: se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>Learners&apos; access settings are taken from the settings file.</source>
        <translation>Los ajustes de acceso de los alumnos se toman del archivo de configuración.</translation>
    </message>
    <message>
        <source>The exercise runs without the teaching settings of %1, and nothing of it is recorded.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>El ejercicio se ejecuta sin los ajustes de enseñanza de %1, y no se registra nada de él.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 cannot be changed now.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Ahora no se pueden cambiar los ajustes de enseñanza de %1.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 were not saved.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>No se guardaron los ajustes de enseñanza de %1.</translation>
    </message>
    <message>
        <source>The access settings of %1 are kept in the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Los ajustes de acceso de %1 se guardan en el archivo de configuración.</translation>
    </message>
    <message>
        <source>Records are kept on this computer until the school server answers again.</source>
        <translation>Los registros se guardan en este ordenador hasta que el servidor del centro vuelva a responder.</translation>
    </message>
    <message>
        <source>The exercise goes on; its answers are kept on this computer and sent when the school server answers again.</source>
        <translation>El ejercicio continúa; sus respuestas se guardan en este ordenador y se envían cuando el servidor del centro vuelva a responder.</translation>
    </message>
    <message>
        <source>The password is not kept in the settings: put it in ~/.pgpass, where PostgreSQL finds it, and leave it out of the connection string.</source>
        <translation>La contraseña no se guarda en la configuración: póngala en ~/.pgpass, donde PostgreSQL la encuentra, y quítela de la cadena de conexión.</translation>
    </message>
    <message>
        <source>No school server is chosen to send the sessions to.</source>
        <translation>No se ha elegido ningún servidor del centro al que enviar las sesiones.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Position out of range</source>
        <translation>Posición fuera de rango</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>No image found: plase check images folders</source>
        <translation>No se encontró ninguna imagen: compruebe las carpetas de imágenes</translation>
    </message>
</context>
<context>
    <name>SetSheet</name>
    <message>
        <source>cannot be loaded</source>
        <extracomment>in a picture&apos;s place on the printed sheet</extracomment>
        <translation>no se puede cargar</translation>
    </message>
    <message>
        <source>Can stop when a picture that cannot be loaded is drawn as the wrong choice.</source>
        <translation>Puede detenerse cuando se sortea como opción incorrecta una imagen que no se puede cargar.</translation>
    </message>
    <message>
        <source>Works with every option.</source>
        <translation>Funciona con todas las opciones.</translation>
    </message>
    <message>
        <source>%1 (%2.)</source>
        <comment>%1 is a finding, %2 the options under which it holds</comment>
        <translation>%1 (%2.)</translation>
    </message>
    <message>
        <source>no symbol</source>
        <extracomment>in the place of a missing symbol picture on the printed sheet</extracomment>
        <translation>sin símbolo</translation>
    </message>
    <message>
        <source>no attribute</source>
        <extracomment>in the place of a missing attribute picture on the printed sheet</extracomment>
        <translation>sin atributo</translation>
    </message>
    <message>
        <source>Tessarine sets in %1</source>
        <comment>the PDF&apos;s title; %1 is a folder</comment>
        <translation>Series de Tessarine en %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Tessarine: every set</source>
        <translation>Tessarine: todas las series</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n imagen de objeto</numerusform>
            <numerusform>%n imágenes de objeto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbol(s)</source>
        <translation>
            <numerusform>%n símbolo</numerusform>
            <numerusform>%n símbolos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n attribute(s)</source>
        <translation>
            <numerusform>%n atributo</numerusform>
            <numerusform>%n atributos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more finding(s) about folders, symbols, attributes or sounds: run tessarine-check for the details.</source>
        <translation>
            <numerusform>%n incidencia más sobre carpetas, símbolos, atributos o sonidos: ejecute tessarine-check para ver los detalles.</numerusform>
            <numerusform>%n incidencias más sobre carpetas, símbolos, atributos o sonidos: ejecute tessarine-check para ver los detalles.</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Caption and findings</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Rótulo e incidencias</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Atributo</translation>
    </message>
    <message>
        <source>There are no object pictures in the Images folder.</source>
        <translation>No hay imágenes de objeto en la carpeta Images.</translation>
    </message>
    <message>
        <source>Made by tessarine-check</source>
        <translation>Creado con tessarine-check</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>SettingsBacking</name>
    <message>
        <source>The settings cannot be saved to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>No se pueden guardar los ajustes en %1</translation>
    </message>
</context>
<context>
    <name>SpokenCaption</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>La voz no puede hablar: %1</translation>
    </message>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <extracomment>%1 is the recording&apos;s file, %2 says why in a phrase such as &quot;it is not a wave file&quot;</extracomment>
        <translation>No se puede reproducir la grabación %1: %2</translation>
    </message>
</context>
<context>
    <name>TeachingDialog</name>
    <message>
        <source>Off</source>
        <extracomment>The lowest value of a number box: the feature is not used</extracomment>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Tessarine picture check of %1</source>
        <extracomment>the report&apos;s first line; %1 is a folder</extracomment>
        <translation>Comprobación de imágenes de Tessarine en %1</translation>
    </message>
    <message>
        <source>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</source>
        <extracomment>Images, Symbols, Attributes and Sounds are folder names: keep them; %1 is a number of object pictures</extracomment>
        <translation>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n imagen de objeto</numerusform>
            <numerusform>%n imágenes de objeto</numerusform>
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
        <translation>AVISO</translation>
    </message>
    <message>
        <source>What happens:</source>
        <extracomment>a label in the text report, before what the exercise will do</extracomment>
        <translation>Qué ocurre:</translation>
    </message>
    <message>
        <source>How to fix:</source>
        <extracomment>a label in the text report, before how to mend the finding</extracomment>
        <translation>Cómo corregirlo:</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Carpeta del programa</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <extracomment>%1 is a folder&apos;s name: Images, Symbols, Attributes or Sounds</extracomment>
        <translation>Carpeta %1</translation>
    </message>
    <message>
        <source>%1 and %2 in %3. %4</source>
        <extracomment>%1 is a number of problems, %2 of warnings, %3 of files or folders; %4 the sentence that follows</extracomment>
        <translation>%1 y %2 en %3. %4</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problema</numerusform>
            <numerusform>%n problemas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n set(s) work with every option. Nothing to fix.</source>
        <translation>
            <numerusform>%n serie funciona con todas las opciones. No hay nada que corregir.</numerusform>
            <numerusform>Las %n series funcionan con todas las opciones. No hay nada que corregir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s)</source>
        <translation>
            <numerusform>%n archivo o carpeta</numerusform>
            <numerusform>%n archivos o carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object picture(s) work with every option and need nothing.</source>
        <extracomment>%1 is how many of them work</extracomment>
        <translation>
            <numerusform>Imágenes de objeto que funcionan con todas las opciones y no necesitan nada: %1 de %n.</numerusform>
            <numerusform>Imágenes de objeto que funcionan con todas las opciones y no necesitan nada: %1 de %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one set works with every option. Nothing to fix.</source>
        <translation>La única serie funciona con todas las opciones. No hay nada que corregir.</translation>
    </message>
</context>
<context>
    <name>TokenRow</name>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Tokens earned: %1 is how many are filled, %2 how many make a reward</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>WaveCheck</name>
    <message>
        <source>its format description is too short</source>
        <translation>su descripción de formato es demasiado corta</translation>
    </message>
    <message>
        <source>its format description is damaged</source>
        <translation>su descripción de formato está dañada</translation>
    </message>
    <message>
        <source>it is compressed (format %1), not PCM; save it again as PCM</source>
        <extracomment>%1 is the number of the sound&apos;s format; PCM is the uncompressed one</extracomment>
        <translation>está comprimido (formato %1), no es PCM; guárdelo de nuevo como PCM</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is not a wave file</source>
        <translation>no es un archivo WAV</translation>
    </message>
    <message>
        <source>it is damaged: the file ends inside its format description</source>
        <translation>está dañado: el archivo termina dentro de su descripción de formato</translation>
    </message>
    <message>
        <source>it is damaged: its sound comes before its format description</source>
        <translation>está dañado: su sonido va antes de su descripción de formato</translation>
    </message>
    <message>
        <source>it is damaged: the file ends before its sound does</source>
        <translation>está dañado: el archivo termina antes que su sonido</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>no contiene sonido</translation>
    </message>
    <message>
        <source>it is damaged: it holds no sound data</source>
        <translation>está dañado: no contiene datos de sonido</translation>
    </message>
    <message>
        <source>it is damaged: it has no format description</source>
        <translation>está dañado: no tiene descripción de formato</translation>
    </message>
</context>
<context>
    <name>WaveWriter</name>
    <message>
        <source>The recording %1 cannot be written: %2</source>
        <extracomment>%1 is the sound file, %2 why it cannot be written</extracomment>
        <translation>No se puede escribir la grabación %1: %2</translation>
    </message>
    <message>
        <source>the sound is too long</source>
        <translation>el sonido es demasiado largo</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>the set stops half-way with error %1 %2</source>
        <extracomment>ends a sentence; %1 is the error&apos;s number, %2 its message</extracomment>
        <translation>la serie se detiene a medias con el error %1 %2</translation>
    </message>
    <message>
        <source>in most sets</source>
        <translation>en la mayoría de las series</translation>
    </message>
    <message>
        <source>about once in %1 sets</source>
        <extracomment>%1 is a number like 1e+12</extracomment>
        <translation>aproximadamente una vez de cada %1 series</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with error %2 %3.</source>
        <extracomment>%1 names the options, %2 is the error&apos;s number, %3 its message</extracomment>
        <translation>%1, la serie se detiene a medias con el error %2 %3.</translation>
    </message>
    <message>
        <source>%1, the set can stop half-way with error %2 %3.</source>
        <translation>%1, la serie puede detenerse a medias con el error %2 %3.</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Este archivo está vacío.</translation>
    </message>
    <message>
        <source>Copy the picture again; the copy went wrong.</source>
        <translation>Copie la imagen de nuevo; la copia salió mal.</translation>
    </message>
    <message>
        <source>This picture cannot be loaded (%1).</source>
        <translation>Esta imagen no se puede cargar (%1).</translation>
    </message>
    <message>
        <source>Make the picture smaller (a few thousand pixels across is plenty).</source>
        <translation>Reduzca el tamaño de la imagen (basta con unos pocos miles de píxeles de ancho).</translation>
    </message>
    <message>
        <source>Open it in a picture editor and save it again as JPEG, or replace it.</source>
        <translation>Ábrala en un editor de imágenes y guárdela de nuevo como JPEG, o sustitúyala.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about once in %Ln set(s)</source>
        <translation>
            <numerusform>aproximadamente una vez de cada %Ln serie</numerusform>
            <numerusform>aproximadamente una vez de cada %Ln series</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmApertura</name>
    <message>
        <source>Play it</source>
        <extracomment>Tooltip of the buttons that play the chosen sound</extracomment>
        <translation>Reproducirlo</translation>
    </message>
</context>
<context>
    <name>tessarine::AccessDialog</name>
    <message>
        <source>Access</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Access for %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Acceso para %1</translation>
    </message>
    <message>
        <source>Answer with the keyboard: arrows and Tab move, Space and Enter choose, 1 to 4 choose a picture</source>
        <translation>Responder con el teclado: flechas y Tab mueven, Espacio y Enter eligen, de 1 a 4 eligen una imagen</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Pulsadores</translation>
    </message>
    <message>
        <source>No switch</source>
        <translation>Sin pulsador</translation>
    </message>
    <message>
        <source>One switch: the ring moves by itself</source>
        <translation>Un pulsador: el anillo avanza solo</translation>
    </message>
    <message>
        <source>Two switches: one moves, one chooses</source>
        <translation>Dos pulsadores: uno avanza y otro elige</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Step switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Tecla del pulsador de avance</translation>
    </message>
    <message>
        <source>Choose switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Tecla del pulsador de selección</translation>
    </message>
    <message>
        <source>Scanning:</source>
        <translation>Barrido:</translation>
    </message>
    <message>
        <source>Ring moves every:</source>
        <translation>El anillo avanza cada:</translation>
    </message>
    <message>
        <source>Step switch key:</source>
        <translation>Tecla del pulsador de avance:</translation>
    </message>
    <message>
        <source>Step switch button:</source>
        <translation>Botón del pulsador de avance:</translation>
    </message>
    <message>
        <source>Choose switch key:</source>
        <translation>Tecla del pulsador de selección:</translation>
    </message>
    <message>
        <source>Choose switch button:</source>
        <translation>Botón del pulsador de selección:</translation>
    </message>
    <message>
        <source>Accidental presses</source>
        <translation>Pulsaciones accidentales</translation>
    </message>
    <message>
        <source>Guard against accidental presses</source>
        <translation>Evitar pulsaciones accidentales</translation>
    </message>
    <message>
        <source>No hold needed</source>
        <extracomment>The hold time at zero</extracomment>
        <translation>Sin mantener</translation>
    </message>
    <message>
        <source>Presses on the same picture count once within:</source>
        <translation>Las pulsaciones sobre la misma imagen cuentan una vez en:</translation>
    </message>
    <message>
        <source>A press counts when held for:</source>
        <translation>Una pulsación cuenta si se mantiene:</translation>
    </message>
    <message>
        <source>Pictures as big as the screen</source>
        <translation>Imágenes tan grandes como la pantalla</translation>
    </message>
    <message>
        <source>Speak the caption when a set appears</source>
        <translation>Decir el rótulo en voz alta al aparecer una serie</translation>
    </message>
    <message>
        <source>Caption language:</source>
        <translation>Idioma del rótulo:</translation>
    </message>
    <message>
        <source>Language of the windows (%1)</source>
        <extracomment>The caption&apos;s language when none is chosen; %1 is that language&apos;s name in its own language</extracomment>
        <translation>Idioma de las ventanas (%1)</translation>
    </message>
    <message>
        <source>This computer has no voice: the captions cannot be spoken.</source>
        <translation>Este ordenador no tiene ninguna voz: los rótulos no se pueden decir en voz alta.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by an English voice.</source>
        <translation>Este ordenador no tiene voz para este idioma: los rótulos los dice una voz en inglés.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by a voice of another language.</source>
        <translation>Este ordenador no tiene voz para este idioma: los rótulos los dice una voz de otro idioma.</translation>
    </message>
</context>
<context>
    <name>tessarine::CropFrameWidget</name>
    <message>
        <source>Crop frame</source>
        <translation>Marco de recorte</translation>
    </message>
    <message>
        <source>The part of the picture that will be saved. Arrow keys move the frame, with Shift further; + and - make it larger or smaller. With the mouse, drag it to move it, or drag a corner or side, or turn the wheel, to resize it.</source>
        <translation>La parte de la imagen que se guardará. Las teclas de flecha mueven el marco, y con Shift más lejos; + y - lo agrandan o lo reducen. Con el ratón, arrástrelo para moverlo, o arrastre una esquina o un lado, o gire la rueda, para cambiar su tamaño.</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportPanel</name>
    <message>
        <source>Pictures being added</source>
        <translation>Imágenes que se están añadiendo</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Añadir imágenes...</translation>
    </message>
    <message>
        <source>Add pictures, or drop pictures or folders of them here.</source>
        <translation>Añada imágenes, o suelte aquí imágenes o carpetas de imágenes.</translation>
    </message>
    <message>
        <source>There are no pictures in %1.</source>
        <extracomment>%1 is one folder or several, separated by commas</extracomment>
        <translation>No hay imágenes en %1.</translation>
    </message>
    <message>
        <source>These pictures cannot be added:
%1</source>
        <translation>Estas imágenes no se pueden añadir:
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportRow</name>
    <message>
        <source>Object</source>
        <extracomment>The first of a picture&apos;s name&apos;s three parts: what the picture shows</extracomment>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>The second of a picture&apos;s name&apos;s three parts, such as &quot;colour&quot;</extracomment>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The third of a picture&apos;s name&apos;s three parts, such as &quot;red&quot;</extracomment>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Object picture</source>
        <extracomment>What a picture is saved as: a picture of the object, its symbol, or an attribute&apos;s picture</extracomment>
        <translation>Imagen de objeto</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Attribute picture</source>
        <translation>Imagen de atributo</translation>
    </message>
    <message>
        <source>Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>Se guarda como</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The file name the picture is saved under</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Leave out</source>
        <extracomment>Button: this picture is not added after all</extracomment>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objeto</translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation>&amp;Categoría</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valor</translation>
    </message>
    <message>
        <source>&amp;Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>&amp;Se guarda como</translation>
    </message>
    <message>
        <source>Make the symbol from this photo</source>
        <translation>Hacer el símbolo con esta foto</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <extracomment>Button: a picture from a file becomes the symbol
----------
Button: a picture from a file becomes the attribute&apos;s picture</extracomment>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>Choose a picture for the symbol</source>
        <translation>Elegir una imagen para el símbolo</translation>
    </message>
    <message>
        <source>Make a card</source>
        <extracomment>An attribute card: a swatch of the colour, or the value&apos;s word written large</extracomment>
        <translation>Hacer una tarjeta</translation>
    </message>
    <message>
        <source>Choose a picture for the attribute</source>
        <translation>Elegir una imagen para el atributo</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet</source>
        <translation>Aún no hay símbolo para &quot;%1&quot;</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet: it will be made from %2</source>
        <translation>Aún no hay símbolo para &quot;%1&quot;: se hará a partir de %2</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet</source>
        <translation>Aún no hay tarjeta de atributo para &quot;%1 %2&quot;</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet: it will be %3</source>
        <translation>Aún no hay tarjeta de atributo para &quot;%1 %2&quot;: será %3</translation>
    </message>
</context>
<context>
    <name>tessarine::KeyCaptureButton</name>
    <message>
        <source>Press the key or the switch...</source>
        <translation>Pulse la tecla o el pulsador...</translation>
    </message>
</context>
<context>
    <name>tessarine::ObjectTableModel</name>
    <message>
        <source>Checking...</source>
        <extracomment>Shown for an object until the collection&apos;s check has looked at it</extracomment>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Works under every option.</source>
        <translation>Funciona con todas las opciones.</translation>
    </message>
    <message>
        <source>Some sets do not work under every option.</source>
        <translation>Algunas series no funcionan con todas las opciones.</translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation>Sin símbolo</translation>
    </message>
    <message>
        <source>No attribute</source>
        <translation>Sin atributo</translation>
    </message>
    <message>
        <source>Picture: none</source>
        <extracomment>%1 is the object picture&apos;s file</extracomment>
        <translation>Imagen: ninguna</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Imagen: %1</translation>
    </message>
    <message>
        <source>Symbol: none</source>
        <extracomment>%1 is the symbol&apos;s file</extracomment>
        <translation>Símbolo: ninguno</translation>
    </message>
    <message>
        <source>Symbol: %1</source>
        <translation>Símbolo: %1</translation>
    </message>
    <message>
        <source>Attribute: none</source>
        <extracomment>%1 is the attribute picture&apos;s file</extracomment>
        <translation>Atributo: ninguno</translation>
    </message>
    <message>
        <source>Attribute: %1</source>
        <translation>Atributo: %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>Column header: the object&apos;s picture</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Column header: the object&apos;s symbol</extracomment>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>Column header: the picture of the object&apos;s attribute (its colour, say)</extracomment>
        <translation>Atributo</translation>
    </message>
    <message>
        <source>Caption and file</source>
        <extracomment>Column header</extracomment>
        <translation>Rótulo y archivo</translation>
    </message>
    <message>
        <source>Findings</source>
        <extracomment>Column header: what the check found</extracomment>
        <translation>Incidencias</translation>
    </message>
</context>
<context>
    <name>tessarine::PictureBox</name>
    <message>
        <source>Dimmed</source>
        <extracomment>Said by a screen reader of a picture shown faint</extracomment>
        <translation>Atenuada</translation>
    </message>
</context>
<context>
    <name>tessarine::PicturesWindow</name>
    <message>
        <source>Pictures: %1</source>
        <extracomment>%1 is the collection&apos;s name</extracomment>
        <translation>Imágenes: %1</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <extracomment>The check found nothing about the collection as a whole</extracomment>
        <translation>No se encontró nada.</translation>
    </message>
    <message>
        <source>Choose an object in the list to see its findings.</source>
        <translation>Elija un objeto de la lista para ver sus incidencias.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Nueva colección</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Añadir imágenes...</translation>
    </message>
    <message>
        <source>Checking the pictures...</source>
        <translation>Comprobando las imágenes...</translation>
    </message>
    <message>
        <source>Checking the pictures</source>
        <translation>Comprobando las imágenes</translation>
    </message>
    <message>
        <source>Findings of the chosen object</source>
        <translation>Incidencias del objeto elegido</translation>
    </message>
    <message>
        <source>Rename...</source>
        <extracomment>Button with a menu: rename the object, the category or the value</extracomment>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Object...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the object, the first of a name&apos;s three parts</extracomment>
        <translation>Objeto...</translation>
    </message>
    <message>
        <source>Category...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the category, the second of a name&apos;s three parts</extracomment>
        <translation>Categoría...</translation>
    </message>
    <message>
        <source>Value...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the value, the third of a name&apos;s three parts</extracomment>
        <translation>Valor...</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the chosen object picture goes to the trash</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the picture</source>
        <translation>Quitar la imagen</translation>
    </message>
    <message>
        <source>Moves the object picture and its recording to the trash</source>
        <translation>Mueve la imagen del objeto y su grabación a la papelera</translation>
    </message>
    <message>
        <source>Findings about the whole collection:</source>
        <translation>Incidencias de toda la colección:</translation>
    </message>
    <message>
        <source>Findings about the whole collection</source>
        <translation>Incidencias de toda la colección</translation>
    </message>
    <message>
        <source>Objects</source>
        <extracomment>The list of the collection&apos;s object pictures</extracomment>
        <translation>Objetos</translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsPlaceBox</name>
    <message>
        <source>Records kept on</source>
        <extracomment>The title of the box that chooses where the learners&apos; records are kept</extracomment>
        <translation>Registros guardados en</translation>
    </message>
    <message>
        <source>A PostgreSQL connection string: host, dbname and user, or service=NAME; the password is taken from ~/.pgpass</source>
        <translation>Una cadena de conexión de PostgreSQL: host, dbname y user, o service=NAME; la contraseña se toma de ~/.pgpass</translation>
    </message>
    <message>
        <source>This computer</source>
        <extracomment>Where the records are kept: the records file of this computer</extracomment>
        <translation>Este ordenador</translation>
    </message>
    <message>
        <source>School server</source>
        <extracomment>Where the records are kept: the school&apos;s database server, shared by its computers</extracomment>
        <translation>Servidor del centro</translation>
    </message>
    <message>
        <source>Where the learners&apos; records are kept: this computer&apos;s file, or the school&apos;s server that every computer of the school shares</source>
        <translation>Dónde se guardan los registros de los alumnos: el archivo de este ordenador o el servidor del centro que comparten todos sus ordenadores</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>The label of the school server&apos;s connection string</extracomment>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Use this server</source>
        <extracomment>A button: keeps the records on the school server typed beside it</extracomment>
        <translation>Usar este servidor</translation>
    </message>
    <message>
        <source>Keeps the records on this server from now on</source>
        <translation>A partir de ahora guarda los registros en este servidor</translation>
    </message>
    <message>
        <source>Send now</source>
        <extracomment>A button: sends the sessions recorded on this computer to the school server</extracomment>
        <translation>Enviar ahora</translation>
    </message>
    <message>
        <source>Sends the sessions recorded on this computer to the school server; each is sent once</source>
        <translation>Envía al servidor del centro las sesiones registradas en este ordenador; cada una se envía una sola vez</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s) recorded on this computer wait to be sent to the school server.</source>
        <extracomment>%n is a number of sessions</extracomment>
        <translation>
            <numerusform>%n sesión registrada en este ordenador espera a enviarse al servidor del centro.</numerusform>
            <numerusform>%n sesiones registradas en este ordenador esperan a enviarse al servidor del centro.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsWindow</name>
    <message>
        <source>Records of %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Registros de %1</translation>
    </message>
    <message>
        <source>Learner: %1</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Alumno: %1</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The sessions table&apos;s name, as a screen reader says it
----------
The title of the sessions table</extracomment>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The targets table&apos;s name, as a screen reader says it; a target is what the learner is taught to choose
----------
The title of the targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Objetivos</translation>
    </message>
    <message>
        <source>Chart of first try right, per session</source>
        <translation>Gráfico de aciertos al primer intento, por sesión</translation>
    </message>
    <message>
        <source>Per session, the percent right at the first try of symbols and attributes answered without a prompt, of all first tries answered without a prompt (independent) and of all answered with one (prompted), and the mastery line; the same numbers are in the Sessions table</source>
        <translation>Por sesión, el porcentaje de aciertos al primer intento en los símbolos y los atributos respondidos sin ayuda, en todos los primeros intentos respondidos sin ayuda (independientes) y en todos los respondidos con ella (con ayuda), y la línea de dominio; las mismas cifras están en la tabla Sesiones</translation>
    </message>
    <message>
        <source>Mastery rule</source>
        <extracomment>The title of the box that sets when a target counts as mastered</extracomment>
        <translation>Criterio de dominio</translation>
    </message>
    <message>
        <source>Right at the first try, at least</source>
        <extracomment>The label of a percent: a target is mastered when at least this much of it is right at the first try</extracomment>
        <translation>Aciertos al primer intento, al menos</translation>
    </message>
    <message>
        <source>In consecutive sessions</source>
        <extracomment>The label of a number of sessions in a row in which the percent must be reached</extracomment>
        <translation>En sesiones consecutivas</translation>
    </message>
    <message>
        <source>Trials a session, at least</source>
        <extracomment>The label of the fewest trials a session must have to count</extracomment>
        <translation>Ensayos por sesión, al menos</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>A button: saves every answer of the learner in a CSV file
----------
The title of the file dialog that saves the CSV file</extracomment>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Report PDF</source>
        <extracomment>A button: saves a printable report of the learner in a PDF file
----------
The title of the file dialog that saves the PDF report</extracomment>
        <translation>Informe PDF</translation>
    </message>
    <message>
        <source>Delete learner</source>
        <extracomment>A button: removes the learner and all of their records</extracomment>
        <translation>Borrar alumno</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Delete %1 and all of their records? This cannot be undone.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>¿Borrar a %1 y todos sus registros? Esta acción no se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>tessarine::TeachingDialog</name>
    <message>
        <source>Teaching</source>
        <extracomment>Title of the dialog when no learner is chosen</extracomment>
        <translation>Enseñanza</translation>
    </message>
    <message>
        <source>Teaching for %1</source>
        <extracomment>Title of the dialog; %1 is the learner&apos;s name</extracomment>
        <translation>Enseñanza para %1</translation>
    </message>
    <message>
        <source> sets</source>
        <extracomment>Shown after the number in &quot;Review mastered targets: one set in 5 sets&quot;; keep the leading space</extracomment>
        <translation> series</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Seconds, shown after the number; keep the leading space</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Show the answer after a wrong answer</source>
        <translation>Mostrar la respuesta tras una respuesta incorrecta</translation>
    </message>
    <message>
        <source>Repeat a set after an error</source>
        <translation>Repetir la serie tras un error</translation>
    </message>
    <message>
        <source> right sets</source>
        <extracomment>Shown after the number in &quot;Show a reward after 3 right sets&quot;; keep the leading space</extracomment>
        <translation> series correctas</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The list of symbols and attributes being taught</extracomment>
        <translation>Objetivos</translation>
    </message>
    <message>
        <source>Review mastered targets: one set in</source>
        <translation>Repasar objetivos dominados: una serie de cada</translation>
    </message>
    <message>
        <source>Show the answer after</source>
        <extracomment>Followed by a number of seconds</extracomment>
        <translation>Mostrar la respuesta tras</translation>
    </message>
    <message>
        <source>Errorless trials for each new target</source>
        <translation>Ensayos sin error para cada objetivo nuevo</translation>
    </message>
    <message>
        <source>Show a reward after</source>
        <extracomment>Followed by a number of right sets</extracomment>
        <translation>Mostrar una recompensa tras</translation>
    </message>
    <message>
        <source>No picture of this collection has both its symbol and its attribute checked, so there would be nothing to show. Check at least one symbol and one attribute of the same picture, or press Cancel to keep the targets as they were.</source>
        <translation>Ninguna imagen de esta colección tiene marcados a la vez su símbolo y su atributo, así que no habría nada que mostrar. Marque al menos un símbolo y un atributo de la misma imagen, o pulse Cancelar para dejar los objetivos como estaban.</translation>
    </message>
</context>
<context>
    <name>tessarine::VoiceButtons</name>
    <message>
        <source>Record</source>
        <extracomment>Button: record the caption from the microphone
----------
Button: record the caption from the microphone; &quot;No microphone&quot; on a computer without one</extracomment>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button: play the recorded caption</extracomment>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the recording goes to the trash</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Voice of %1</source>
        <extracomment>%1 is the object picture&apos;s name; the buttons record, play and remove its spoken caption</extracomment>
        <translation>Voz de %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button: stop recording</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stops recording</source>
        <translation>Detiene la grabación</translation>
    </message>
    <message>
        <source>No microphone</source>
        <translation>Sin micrófono</translation>
    </message>
    <message>
        <source>Records the caption from the microphone</source>
        <translation>Graba el rótulo desde el micrófono</translation>
    </message>
    <message>
        <source>No microphone: this computer has none to record with</source>
        <translation>Sin micrófono: este ordenador no tiene ninguno con el que grabar</translation>
    </message>
    <message>
        <source>The recording %1 cannot be moved to the trash</source>
        <translation>No se puede mover la grabación %1 a la papelera</translation>
    </message>
</context>
<context>
    <name>tessarine::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>The window&apos;s title until the program&apos;s name is known</extracomment>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button that closes the About window</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>Shown until the program&apos;s name is known</extracomment>
        <translation>Título de la aplicación</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Shown until the version number is known</extracomment>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Developed by %1 - %2</source>
        <extracomment>%1 is the author, %2 the year</extracomment>
        <translation>Desarrollado por %1 - %2</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.0</extracomment>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>tessarine::frmApertura</name>
    <message>
        <source>Show distractor for symbols</source>
        <translation>Distractor en símbolos</translation>
    </message>
    <message>
        <source>Show distractor for attributes</source>
        <translation>Distractor en atributos</translation>
    </message>
    <message>
        <source>Same category of image</source>
        <translation>Misma categoría</translation>
    </message>
    <message>
        <source>Full random (regardless of category)</source>
        <translation>Al azar (cualquier categoría)</translation>
    </message>
    <message>
        <source>Program Options</source>
        <extracomment>The options window&apos;s heading</extracomment>
        <translation>Opciones del programa</translation>
    </message>
    <message>
        <source>Distractors management</source>
        <translation>Gestión de distractores</translation>
    </message>
    <message>
        <source>Attribute distractor chosing method</source>
        <translation>Elección del distractor de atributo</translation>
    </message>
    <message>
        <source>Use sequence between symbols and attributes</source>
        <translation>Usar secuencia entre símbolos y atributos</translation>
    </message>
    <message>
        <source>Sounds management</source>
        <translation>Gestión de sonidos</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Usar sonidos</translation>
    </message>
    <message>
        <source>Sound for &quot;OK&quot;</source>
        <translation>Sonido &quot;OK&quot;</translation>
    </message>
    <message>
        <source>Play the OK sound</source>
        <translation>Reproducir el sonido de acierto</translation>
    </message>
    <message>
        <source>Sound for &quot;error&quot;</source>
        <translation>Sonido &quot;error&quot;</translation>
    </message>
    <message>
        <source>Play the wrong-answer sound</source>
        <translation>Reproducir el sonido de error</translation>
    </message>
    <message>
        <source>Start program</source>
        <extracomment>Button: closes the options and starts the exercise</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Learner</source>
        <extracomment>Label of the list of learners&apos; names</extracomment>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Whose answers are recorded; leave empty to record nothing</source>
        <translation>De quién se registran las respuestas; déjelo vacío para no registrar nada</translation>
    </message>
    <message>
        <source>Records...</source>
        <extracomment>Button: opens the learner&apos;s records</extracomment>
        <translation>Registros...</translation>
    </message>
    <message>
        <source>Access...</source>
        <extracomment>Button: opens the learner&apos;s keyboard, switch and screen settings</extracomment>
        <translation>Acceso...</translation>
    </message>
    <message>
        <source>Keyboard, switches and screen size for this learner</source>
        <translation>Teclado, pulsadores y tamaño de pantalla para este alumno</translation>
    </message>
    <message>
        <source>Teaching...</source>
        <extracomment>Button: opens the learner&apos;s teaching settings</extracomment>
        <translation>Enseñanza...</translation>
    </message>
    <message>
        <source>Targets, prompts, corrections and rewards for this learner</source>
        <translation>Objetivos, ayudas, correcciones y recompensas para este alumno</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Label of the list of picture collections</extracomment>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>The pictures the exercise shows</source>
        <translation>Las imágenes que muestra el ejercicio</translation>
    </message>
    <message>
        <source>Pictures...</source>
        <extracomment>Button: opens the window that adds, names and checks pictures</extracomment>
        <translation>Imágenes...</translation>
    </message>
    <message>
        <source>Add, name and check the pictures of this collection</source>
        <translation>Añadir, nombrar y comprobar las imágenes de esta colección</translation>
    </message>
    <message>
        <source>Other folder...</source>
        <extracomment>Last entry of the list of picture collections: choose a folder</extracomment>
        <translation>Otra carpeta...</translation>
    </message>
    <message>
        <source>Pictures: choose a folder with Images, Symbols, Attributes and Sounds</source>
        <extracomment>Title of the folder dialog; Images, Symbols, Attributes and Sounds are folder names, kept as they are</extracomment>
        <translation>Imágenes: elija una carpeta con Images, Symbols, Attributes y Sounds</translation>
    </message>
</context>
<context>
    <name>tessarine::frmMain</name>
    <message>
        <source>Change set</source>
        <extracomment>Button: shows the next set of pictures</extracomment>
        <translation>Cambiar serie</translation>
    </message>
    <message>
        <source>Caption</source>
        <extracomment>The text under the object picture (its name)</extracomment>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>Object picture</source>
        <translation>Imagen del objeto</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The row of symbol pictures to choose from</extracomment>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The row of attribute pictures (colours, sizes...) to choose from</extracomment>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>First symbol</source>
        <translation>Primer símbolo</translation>
    </message>
    <message>
        <source>Second symbol</source>
        <translation>Segundo símbolo</translation>
    </message>
    <message>
        <source>First attribute</source>
        <translation>Primer atributo</translation>
    </message>
    <message>
        <source>Second attribute</source>
        <translation>Segundo atributo</translation>
    </message>
    <message>
        <source>Focus ring</source>
        <extracomment>The ring that marks the picture a key or switch would choose</extracomment>
        <translation>Anillo de foco</translation>
    </message>
    <message>
        <source>Answer shown</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Respuesta mostrada</translation>
    </message>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Recompensa</translation>
    </message>
</context>
</TS>
