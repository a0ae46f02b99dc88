<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessDialog</name>
    <message>
        <source>Left mouse button</source>
        <translation>Bouton gauche de la souris</translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation>Bouton droit de la souris</translation>
    </message>
    <message>
        <source>Middle mouse button</source>
        <translation>Bouton du milieu de la souris</translation>
    </message>
    <message>
        <source>Back mouse button</source>
        <translation>Bouton Précédent de la souris</translation>
    </message>
    <message>
        <source>Forward mouse button</source>
        <translation>Bouton Suivant de la souris</translation>
    </message>
    <message>
        <source>No mouse button</source>
        <translation>Aucun bouton de la souris</translation>
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
        <translation>Le contacteur de déplacement et le contacteur de sélection envoient la même touche. Attribuez à chaque contacteur sa propre touche.</translation>
    </message>
    <message>
        <source>The step switch and the choose switch use the same mouse button. Give each switch its own button, or none.</source>
        <translation>Le contacteur de déplacement et le contacteur de sélection utilisent le même bouton de la souris. Attribuez à chaque contacteur son propre bouton, ou aucun.</translation>
    </message>
</context>
<context>
    <name>AddPictureCommand</name>
    <message>
        <source>Usage: tessarine --add-picture FILE --as OBJECT.CATEGORY.VALUE [--collection FOLDER]</source>
        <extracomment>The command line&apos;s form: the program&apos;s name and the options stay as they are</extracomment>
        <translation>Usage&#xa0;: tessarine --add-picture FICHIER --as OBJET.CATÉGORIE.VALEUR [--collection DOSSIER]</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option such as --as</extracomment>
        <translation>%1 demande une valeur.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option inconnue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>One picture at a time: %1 is one too many.</source>
        <extracomment>%1 is a second picture file given on the command line</extracomment>
        <translation>Une seule image à la fois&#xa0;: %1 est en trop.</translation>
    </message>
    <message>
        <source>Which picture? Name its file.</source>
        <translation>Quelle image&#xa0;? Indiquez son fichier.</translation>
    </message>
    <message>
        <source>Give the picture its name with --as, as in --as cup.colour.red.</source>
        <extracomment>--as is the option&apos;s name; the example is a file name&apos;s three parts, object, category and value</extracomment>
        <translation>Donnez son nom à l&apos;image avec --as, par exemple --as cup.colour.red.</translation>
    </message>
</context>
<context>
    <name>AudioOutputs</name>
    <message>
        <source>This computer has no sound output, so no sound will be heard. Connect speakers or headphones, or switch the sound on in the computer&apos;s settings, then start Tessarine again.</source>
        <translation>Cet ordinateur n&apos;a aucune sortie audio&#xa0;: aucun son ne sera entendu. Branchez des haut-parleurs ou un casque, ou activez le son dans les paramètres de l&apos;ordinateur, puis relancez Tessarine.</translation>
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
        <translation>Vérifie les images et les sons d&apos;un dossier de programme Tessarine comme l&apos;exercice les lit, et
indique, fichier par fichier, ce qui se passera dans l&apos;exercice et comment y remédier&#xa0;: images d&apos;objets
sans leur pictogramme ou leur attribut, noms ayant trop peu de parties, réglages d&apos;options avec lesquels
une série s&apos;arrête sur une erreur, images impossibles à charger ou jamais affichées, dossiers de plus de
1000 images, sons manquants.

Code de sortie&#xa0;: 0 toutes les séries fonctionnent et rien n&apos;a été trouvé&#xa0;; 1 quelque chose a été trouvé&#xa0;;
2 le dossier est illisible, la fiche ne peut pas être écrite ou la ligne de commande est incorrecte.</translation>
    </message>
    <message>
        <source>Usage: %1 (--help tells more)</source>
        <extracomment>%1 is how the command is written: keep it as it is</extracomment>
        <translation>Usage&#xa0;: %1 (--help en dit plus)</translation>
    </message>
    <message>
        <source>Print the findings as JSON (schema &quot;tessarine-check/1&quot;) instead of text.</source>
        <translation>Affiche les constats au format JSON (schéma &quot;tessarine-check/1&quot;) au lieu du texte.</translation>
    </message>
    <message>
        <source>Also write a printable A4 sheet with one row per object picture: the picture, its caption, its symbol and its attribute, problems marked in colour.</source>
        <translation>Écrit aussi une fiche A4 imprimable, une ligne par image d&apos;objet&#xa0;: l&apos;image, sa légende, son pictogramme et son attribut, les problèmes signalés en couleur.</translation>
    </message>
    <message>
        <source>The folder that holds the Images, Symbols, Attributes and Sounds folders; without it the collection the program uses, as chosen in its options window (the program&apos;s own folder when none was chosen).</source>
        <translation>Le dossier qui contient les dossiers Images, Symbols, Attributes et Sounds&#xa0;; sans lui, la collection qu&apos;utilise le programme, telle que choisie dans sa fenêtre d&apos;options (le dossier du programme lui-même si aucune n&apos;a été choisie).</translation>
    </message>
    <message>
        <source>One --sheet at a time.</source>
        <translation>Une seule option --sheet à la fois.</translation>
    </message>
    <message>
        <source>--sheet needs the name of the PDF file to write.</source>
        <translation>--sheet demande le nom du fichier PDF à écrire.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>Le nom du dossier est vide.</translation>
    </message>
    <message>
        <source>Sheet written to %1</source>
        <translation>Fiche écrite dans %1</translation>
    </message>
    <message numerus="yes">
        <source>One folder at a time, not %n: &quot;%1&quot;.</source>
        <extracomment>%1 is the folders given, in quotes</extracomment>
        <translation>
            <numerusform>Un seul dossier à la fois, pas %n&#xa0;: &quot;%1&quot;.</numerusform>
            <numerusform>Un seul dossier à la fois, pas %n&#xa0;: &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <source>%1 on</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>l&apos;option %1 activée</translation>
    </message>
    <message>
        <source>%1 off</source>
        <extracomment>%1 is the name of an option</extracomment>
        <translation>l&apos;option %1 désactivée</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>the options under which a finding holds: all of them</extracomment>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>With %1</source>
        <extracomment>%1, %2 and %3 name options, each as it is set (&quot;on&quot;, &quot;off&quot;, or a choice)</extracomment>
        <translation>Avec %1</translation>
    </message>
    <message>
        <source>With %1 and %2</source>
        <translation>Avec %1 et %2</translation>
    </message>
    <message>
        <source>With %1 and %2 and %3</source>
        <translation>Avec %1, %2 et %3</translation>
    </message>
</context>
<context>
    <name>CollectionChoice</name>
    <message>
        <source>The pictures chosen before, in %1, are no longer there (was the folder moved, renamed or on a disk that is not plugged in?). The program&apos;s own pictures are used instead.</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>Les images choisies auparavant, dans %1, ne s&apos;y trouvent plus (le dossier a-t-il été déplacé, renommé, ou se trouve-t-il sur un disque non branché&#xa0;?). Les images du programme sont utilisées à la place.</translation>
    </message>
</context>
<context>
    <name>CollectionEditor</name>
    <message>
        <source>Could not write %1: %2.</source>
        <extracomment>%1 is a file or folder, %2 why it could not be written</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The part of the picture to keep is empty.</source>
        <translation>La partie de l&apos;image à conserver est vide.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>Ends &quot;Could not write ...: &quot;; %1 is the path in the way</extracomment>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>this folder may not be written here</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>ce dossier ne peut pas être écrit ici</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation>le dossier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Which object is to be renamed? None was named.</source>
        <translation>Quel objet faut-il renommer&#xa0;? Aucun n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>Which category is to be renamed? None was named.</source>
        <translation>Quelle catégorie faut-il renommer&#xa0;? Aucune n&apos;a été indiquée.</translation>
    </message>
    <message>
        <source>Which value is to be renamed? None was named.</source>
        <translation>Quelle valeur faut-il renommer&#xa0;? Aucune n&apos;a été indiquée.</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. Nothing was renamed.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why it could not be renamed</extracomment>
        <translation>Impossible de renommer %1 en %2&#xa0;: %3. Rien n&apos;a été renommé.</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. These files kept their new names: %4.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why, %4 the files that kept their new names</extracomment>
        <translation>Impossible de renommer %1 en %2&#xa0;: %3. Ces fichiers ont gardé leur nouveau nom&#xa0;: %4.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash; it was left where it is.</source>
        <translation>Impossible de mettre %1 à la corbeille&#xa0;; il a été laissé à sa place.</translation>
    </message>
</context>
<context>
    <name>Collections</name>
    <message>
        <source>The picture %1 could not be copied into the new collection.</source>
        <translation>L&apos;image %1 n&apos;a pas pu être copiée dans la nouvelle collection.</translation>
    </message>
    <message>
        <source>Program&apos;s own pictures</source>
        <extracomment>The collection of pictures that comes with the program, first in the &quot;Pictures&quot; list</extracomment>
        <translation>Images du programme</translation>
    </message>
    <message>
        <source>A new collection needs a name.</source>
        <translation>Une nouvelle collection doit avoir un nom.</translation>
    </message>
    <message>
        <source>The name of a collection cannot hold a slash: &quot;%1&quot;.</source>
        <translation>Le nom d&apos;une collection ne peut pas contenir de barre oblique&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The name of a collection cannot start with a dot: &quot;%1&quot;.</source>
        <translation>Le nom d&apos;une collection ne peut pas commencer par un point&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is already a collection named &quot;%1&quot;.</source>
        <translation>Il existe déjà une collection nommée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The folder for collections, %1, could not be made.</source>
        <translation>Le dossier des collections, %1, n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The collection &quot;%1&quot; could not be made in %2.</source>
        <translation>La collection «&#xa0;%1&#xa0;» n&apos;a pas pu être créée dans %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tessarine --export-records LEARNER FILE.csv</source>
        <extracomment>The command and its option stay as they are; LEARNER and FILE.csv say what to write there</extracomment>
        <translation>Usage&#xa0;: tessarine --export-records APPRENANT FICHIER.csv</translation>
    </message>
</context>
<context>
    <name>DirectoryListing</name>
    <message>
        <source>Invalid file pattern: %1</source>
        <translation>Motif de fichier non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Folder cannot be read: %1</source>
        <translation>Impossible de lire le dossier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DistractorFindings</name>
    <message>
        <source>No symbol that could be shown as the wrong choice can be loaded (%1).</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>Aucun pictogramme pouvant servir de mauvais choix ne peut être chargé (%1).</translation>
    </message>
    <message>
        <source>No attribute that could be shown as the wrong choice can be loaded (%1).</source>
        <translation>Aucun attribut pouvant servir de mauvais choix ne peut être chargé (%1).</translation>
    </message>
    <message>
        <source>Replace the pictures that cannot be loaded (see below).</source>
        <translation>Remplacez les images qui ne peuvent pas être chargées (voir plus bas).</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with the error of the picture drawn.</source>
        <translation>%1, la série s&apos;arrête en cours de route sur l&apos;erreur de l&apos;image tirée.</translation>
    </message>
    <message>
        <source>%1, the exercise gives up after %2 draws that miss, so the set can stop half-way with error 550 %3 (%4).</source>
        <extracomment>%1 names the options, %2 is a number of draws, %3 the exercise&apos;s error message, %4 how often</extracomment>
        <translation>%1, l&apos;exercice abandonne après %2 tirages infructueux&#xa0;: la série peut donc s&apos;arrêter en cours de route sur l&apos;erreur 550 %3 (%4).</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects.</source>
        <translation>Ajoutez des images de pictogrammes pour d&apos;autres objets.</translation>
    </message>
    <message>
        <source>Add attributes with other values to the category &quot;%1&quot;.</source>
        <translation>Ajoutez des attributs d&apos;autres valeurs à la catégorie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add attributes with other values.</source>
        <translation>Ajoutez des attributs d&apos;autres valeurs.</translation>
    </message>
    <message>
        <source>There is no symbol with another name to show as the wrong choice: every symbol picture is a &quot;%1&quot;.</source>
        <translation>Aucun pictogramme d&apos;un autre nom ne peut servir de mauvais choix&#xa0;: toutes les images de pictogrammes sont des &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add symbol pictures for other objects, or turn off %1.</source>
        <translation>Ajoutez des images de pictogrammes pour d&apos;autres objets, ou désactivez l&apos;option %1.</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>Il n&apos;existe aucun attribut de la catégorie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1, %2 (the exercise tries to load the Attributes folder itself as a picture).</source>
        <translation>%1, %2 (l&apos;exercice essaie de charger le dossier Attributes lui-même comme une image).</translation>
    </message>
    <message>
        <source>Add attribute pictures %1.VALUE.jpg for at least two values, or choose %2.</source>
        <translation>Ajoutez des images d&apos;attributs %1.VALEUR.jpg pour au moins deux valeurs, ou choisissez %2.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has no other value than &quot;%2&quot; to show as the wrong choice.</source>
        <translation>La catégorie &quot;%1&quot; n&apos;a pas d&apos;autre valeur que &quot;%2&quot; à montrer comme mauvais choix.</translation>
    </message>
    <message>
        <source>Add another attribute of this category (for example %1), or choose %2.</source>
        <translation>Ajoutez un autre attribut de cette catégorie (par exemple %1), ou choisissez %2.</translation>
    </message>
    <message>
        <source>Every attribute carries the value &quot;%1&quot;, so there is none to show as the wrong choice.</source>
        <translation>Tous les attributs ont la valeur &quot;%1&quot;&#xa0;: il n&apos;y en a aucun à montrer comme mauvais choix.</translation>
    </message>
    <message>
        <source>Add an attribute with another value, or turn off %1.</source>
        <translation>Ajoutez un attribut d&apos;une autre valeur, ou désactivez l&apos;option %1.</translation>
    </message>
    <message numerus="yes">
        <source>Of the %n symbol(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <extracomment>%1 is how many of them can serve</extracomment>
        <translation>
            <numerusform>Le mauvais choix est tiré parmi %n pictogramme, dont %1 seulement peut servir.</numerusform>
            <numerusform>Le mauvais choix est tiré parmi %n pictogrammes, dont %1 seulement peuvent servir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %n attribute(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <translation>
            <numerusform>Le mauvais choix est tiré parmi %n attribut, dont %1 seulement peut servir.</numerusform>
            <numerusform>Le mauvais choix est tiré parmi %n attributs, dont %1 seulement peuvent servir.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Error &quot;%1&quot; in %2() function</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the function, kept as it is</extracomment>
        <translation>Erreur «&#xa0;%1&#xa0;» dans la fonction %2()</translation>
    </message>
    <message>
        <source>Error &quot;%1&quot; in %2() routine</source>
        <extracomment>%1 is what went wrong; %2 is the program&apos;s own name of the routine, kept as it is</extracomment>
        <translation>Erreur «&#xa0;%1&#xa0;» dans la procédure %2()</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <extracomment>%1 is the error&apos;s number, %2 what went wrong</extracomment>
        <translation>Erreur d&apos;exécution &apos;%1&apos;&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ExerciseSession</name>
    <message>
        <source>No object picture has the chosen targets: all the pictures are drawn</source>
        <translation>Aucune image d&apos;objet n&apos;a les cibles choisies&#xa0;: toutes les images sont tirées</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>This is a folder inside %1; the pictures in it are never looked at.</source>
        <translation>Ceci est un dossier à l&apos;intérieur de %1&#xa0;; les images qu&apos;il contient ne sont jamais lues.</translation>
    </message>
    <message>
        <source>None of its pictures is ever shown.</source>
        <translation>Aucune de ses images n&apos;est jamais affichée.</translation>
    </message>
    <message>
        <source>Move the pictures you want into the %1 folder itself.</source>
        <translation>Déplacez les images voulues directement dans le dossier %1.</translation>
    </message>
    <message>
        <source>There is already a %1 in %2: keep the one you want, or give this one a name of its own.</source>
        <translation>Il y a déjà un %1 dans %2&#xa0;: gardez celui que vous voulez, ou donnez à celui-ci un nom qui lui est propre.</translation>
    </message>
    <message>
        <source>This file is hidden (its name starts with a full stop).</source>
        <translation>Ce fichier est caché (son nom commence par un point).</translation>
    </message>
    <message>
        <source>Hidden files are never listed, so this picture is never shown.</source>
        <translation>Les fichiers cachés ne sont jamais listés&#xa0;: cette image n&apos;est donc jamais affichée.</translation>
    </message>
    <message>
        <source>Rename it without the leading full stop, to %1.</source>
        <translation>Renommez-le sans le point initial, en %1.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in &quot;.%1&quot;.</source>
        <translation>Seules les images dont le nom se termine par &quot;.jpg&quot; sont utilisées&#xa0;; celle-ci se termine par &quot;.%1&quot;.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one ends in a blank.</source>
        <translation>Seules les images dont le nom se termine par &quot;.jpg&quot; sont utilisées&#xa0;; celle-ci se termine par un espace.</translation>
    </message>
    <message>
        <source>Only pictures whose names end in &quot;.jpg&quot; are used; this one has no ending at all.</source>
        <translation>Seules les images dont le nom se termine par &quot;.jpg&quot; sont utilisées&#xa0;; celle-ci n&apos;a aucune extension.</translation>
    </message>
    <message>
        <source>This picture is never shown.</source>
        <translation>Cette image n&apos;est jamais affichée.</translation>
    </message>
    <message>
        <source>It is a JPEG picture: rename it to %1.</source>
        <translation>C&apos;est une image JPEG&#xa0;: renommez-la en %1.</translation>
    </message>
    <message>
        <source>Save it as a JPEG picture named %1 (in a picture editor: &quot;Save as&quot;, JPEG).</source>
        <translation>Enregistrez-la comme image JPEG nommée %1 (dans un logiciel de retouche&#xa0;: «&#xa0;Enregistrer sous&#xa0;», JPEG).</translation>
    </message>
    <message>
        <source>The %1 folder is missing.</source>
        <translation>Le dossier %1 est absent.</translation>
    </message>
    <message>
        <source>Create a folder named %1 (with this spelling) beside the program and put your pictures in it.</source>
        <translation>Créez un dossier nommé %1 (avec cette orthographe) à côté du programme et mettez-y vos images.</translation>
    </message>
    <message>
        <source>The %1 folder cannot be read.</source>
        <translation>Le dossier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder (for example: chmod a+rx %1).</source>
        <translation>Donnez à tous les utilisateurs le droit de lire le dossier (par exemple&#xa0;: chmod a+rx %1).</translation>
    </message>
    <message>
        <source>The %1 folder holds no .jpg picture.</source>
        <translation>Le dossier %1 ne contient aucune image .jpg.</translation>
    </message>
    <message>
        <source>Put your pictures, saved as .jpg, into the %1 folder.</source>
        <translation>Mettez vos images, enregistrées en .jpg, dans le dossier %1.</translation>
    </message>
    <message>
        <source>the set stops half-way</source>
        <translation>la série s&apos;arrête en cours de route</translation>
    </message>
    <message>
        <source>No set can be shown: when the exercise opens, %1.</source>
        <translation>Aucune série ne peut être affichée&#xa0;: à l&apos;ouverture de l&apos;exercice, %1.</translation>
    </message>
    <message>
        <source>No set has a right symbol, and with %1 on %2.</source>
        <translation>Aucune série n&apos;a de pictogramme correct, et avec l&apos;option %1 activée, %2.</translation>
    </message>
    <message>
        <source>No set has a right attribute, and with %1 on %2.</source>
        <translation>Aucune série n&apos;a d&apos;attribut correct, et avec l&apos;option %1 activée, %2.</translation>
    </message>
    <message>
        <source>The exercise also shows the message %1 when it opens.</source>
        <translation>L&apos;exercice affiche aussi le message %1 à son ouverture.</translation>
    </message>
    <message numerus="yes">
        <source>%n time(s), once for each of them</source>
        <translation>
            <numerusform>%n fois, une pour chacune d&apos;elles</numerusform>
            <numerusform>%n fois, une pour chacune d&apos;elles</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep at most %1 pictures in %2; move the others to a folder of their own and swap them in when needed.</source>
        <translation>Gardez au plus %1 images dans %2&#xa0;; déplacez les autres dans un dossier à part et échangez-les au besoin.</translation>
    </message>
    <message>
        <source>The Sounds folder is missing.</source>
        <translation>Le dossier Sounds est absent.</translation>
    </message>
    <message>
        <source>Create a folder named Sounds beside the program with the wave files ok.wav and error.wav.</source>
        <translation>Créez à côté du programme un dossier nommé Sounds contenant les fichiers wave ok.wav et error.wav.</translation>
    </message>
    <message>
        <source>The Sounds folder cannot be read (%1).</source>
        <translation>Le dossier Sounds ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen.</source>
        <translation>Aucun son de retour ne peut être choisi.</translation>
    </message>
    <message>
        <source>Give every user permission to read the folder.</source>
        <translation>Donnez à tous les utilisateurs le droit de lire le dossier.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no right-answer sound is chosen, so a right-answer click is silent.</source>
        <translation>Au premier lancement (ou quand le son choisi a disparu), aucun son de bonne réponse n&apos;est choisi&#xa0;: un clic sur la bonne réponse reste donc silencieux.</translation>
    </message>
    <message>
        <source>On a first start (or when the chosen sound has gone) no wrong-answer sound is chosen, so a wrong-answer click is silent.</source>
        <translation>Au premier lancement (ou quand le son choisi a disparu), aucun son de mauvaise réponse n&apos;est choisi&#xa0;: un clic sur une mauvaise réponse reste donc silencieux.</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Chosen as a feedback sound, it is not heard, and the learner gets no answer.</source>
        <translation>Choisi comme son de retour, il ne s&apos;entend pas, et l&apos;apprenant n&apos;a aucun retour.</translation>
    </message>
    <message>
        <source>Save it again as a PCM wave file (WAV, 16 bit), or choose another sound.</source>
        <translation>Enregistrez-le de nouveau en fichier wave PCM (WAV, 16 bits), ou choisissez un autre son.</translation>
    </message>
    <message>
        <source>There is no %1 in the Sounds folder.</source>
        <translation>Il n&apos;y a pas de %1 dans le dossier Sounds.</translation>
    </message>
    <message>
        <source>Add a wave file named %1, or choose another sound in the options window.</source>
        <translation>Ajoutez un fichier wave nommé %1, ou choisissez un autre son dans la fenêtre d&apos;options.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 folder holds %n picture(s); only the first %2 (in name order) are used.</source>
        <extracomment>%1 is a folder&apos;s name, %2 the most pictures the exercise lists</extracomment>
        <translation>
            <numerusform>Le dossier %1 contient %n image&#xa0;; seules les %2 premières (par ordre de nom) sont utilisées.</numerusform>
            <numerusform>Le dossier %1 contient %n images&#xa0;; seules les %2 premières (par ordre de nom) sont utilisées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) never shown (%1), and every time the exercise opens it shows the error message %2 %3.</source>
        <extracomment>%1 is a list of file names, %2 the exercise&apos;s error message, %3 how often it is shown</extracomment>
        <translation>
            <numerusform>%n image jamais affichée (%1), et à chaque ouverture de l&apos;exercice, il affiche le message d&apos;erreur %2 %3.</numerusform>
            <numerusform>%n images jamais affichées (%1), et à chaque ouverture de l&apos;exercice, il affiche le message d&apos;erreur %2 %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>how often the exercise shows an error message</extracomment>
        <translation>une fois</translation>
    </message>
    <message>
        <source>No feedback sound can be chosen: both sound lists offer only &quot;%1&quot;.</source>
        <translation>Aucun son de retour ne peut être choisi&#xa0;: les deux listes de sons ne proposent que &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>HeifReader</name>
    <message>
        <source>too large</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>trop grande</translation>
    </message>
    <message>
        <source>no picture data</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation>aucune donnée d&apos;image</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;; %1 by %2 are the picture&apos;s width and height</extracomment>
        <translation>mémoire insuffisante pour %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ImportPanel</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>too large to decode at %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>trop grande pour être décodée en %1 sur %2</translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>%1 by %2 is the picture&apos;s size in pixels</extracomment>
        <translation>mémoire insuffisante pour %1 sur %2</translation>
    </message>
</context>
<context>
    <name>KeyCaptureButton</name>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key&apos;s name on a button</extracomment>
        <translation>Entrée</translation>
    </message>
</context>
<context>
    <name>ListFindings</name>
    <message>
        <source>Its name differs from %1 only in capital and small letters.</source>
        <translation>Son nom ne diffère de %1 que par les majuscules et minuscules.</translation>
    </message>
    <message>
        <source>Names are compared without regard to capitals, so only %1 is ever shown as the right answer. Copied to a memory stick or a Windows computer, one file would also replace the other.</source>
        <translation>Les noms sont comparés sans tenir compte des majuscules&#xa0;: seul %1 est donc affiché comme bonne réponse. Copié sur une clé USB ou un ordinateur Windows, un fichier remplacerait en outre l&apos;autre.</translation>
    </message>
    <message>
        <source>Both are shown, but copied to a memory stick or a Windows computer one file would replace the other.</source>
        <translation>Les deux sont affichés, mais copiés sur une clé USB ou un ordinateur Windows, un fichier remplacerait l&apos;autre.</translation>
    </message>
    <message>
        <source>Delete one of the two, or give them different names.</source>
        <translation>Supprimez l&apos;un des deux, ou donnez-leur des noms différents.</translation>
    </message>
    <message>
        <source>It has the same symbol name as %1, which comes first.</source>
        <translation>Cette image a le même nom de pictogramme que %1, qui vient en premier.</translation>
    </message>
    <message>
        <source>It has the same category and value as %1, which comes first.</source>
        <translation>Cette image a la même catégorie et la même valeur que %1, qui vient en premier.</translation>
    </message>
    <message>
        <source>Only %1 is ever shown as the right answer (for %2); this picture only ever appears as a distractor in other sets.</source>
        <translation>Seul %1 est affiché comme bonne réponse (pour %2)&#xa0;; cette image n&apos;apparaît que comme distracteur dans d&apos;autres séries.</translation>
    </message>
    <message>
        <source>Keep only the picture you want, or give this one a name of its own.</source>
        <translation>Ne gardez que l&apos;image voulue, ou donnez à celle-ci un nom qui lui est propre.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; attribute pictures need two: category.value.jpg.</source>
        <translation>Le nom n&apos;a qu&apos;une partie avant &quot;.jpg&quot;&#xa0;; les images d&apos;attributs en demandent deux&#xa0;: catégorie.valeur.jpg.</translation>
    </message>
    <message>
        <source>It is read as the category &quot;%1&quot; with the value &quot;jpg&quot;, so it is the right answer of no picture.</source>
        <translation>Son nom est lu comme la catégorie &quot;%1&quot; avec la valeur &quot;jpg&quot;&#xa0;: elle n&apos;est donc la bonne réponse d&apos;aucune image.</translation>
    </message>
    <message>
        <source>Rename it to category.value.jpg, for example %1.</source>
        <translation>Renommez-la en catégorie.valeur.jpg, par exemple %1.</translation>
    </message>
    <message>
        <source>Every set with %1 %2.</source>
        <translation>Pour toute série avec %1, %2.</translation>
    </message>
    <message>
        <source>%1, other sets stop the same way whenever this picture is drawn as the wrong choice.</source>
        <translation>%1, d&apos;autres séries s&apos;arrêtent de la même façon chaque fois que cette image est tirée comme mauvais choix.</translation>
    </message>
    <message>
        <source>It is not used in any set at the moment, but would stop any set it is shown in.</source>
        <translation>Cette image n&apos;est utilisée dans aucune série pour le moment, mais arrêterait toute série où elle serait affichée.</translation>
    </message>
</context>
<context>
    <name>MediaChecker</name>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Le dossier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Nothing can be checked.</source>
        <translation>Rien ne peut être vérifié.</translation>
    </message>
    <message>
        <source>Give the folder that holds the program and its Images, Symbols, Attributes and Sounds folders.</source>
        <translation>Indiquez le dossier qui contient le programme et ses dossiers Images, Symbols, Attributes et Sounds.</translation>
    </message>
</context>
<context>
    <name>NameHints</name>
    <message>
        <source>Is the category &quot;%1&quot; a spelling slip for %2?</source>
        <extracomment>%1 is a part of a file name, %2 a list of names like it</extracomment>
        <translation>La catégorie &quot;%1&quot; est-elle une faute de frappe pour %2&#xa0;?</translation>
    </message>
    <message>
        <source>Is the value &quot;%1&quot; a spelling slip for %2?</source>
        <translation>La valeur &quot;%1&quot; est-elle une faute de frappe pour %2&#xa0;?</translation>
    </message>
    <message>
        <source>Symbols/%1 is there, but it is never used (see below).</source>
        <translation>Symbols/%1 existe, mais n&apos;est jamais utilisé (voir plus bas).</translation>
    </message>
    <message>
        <source>Is it a spelling slip for %1?</source>
        <comment>%1 is a list of file names</comment>
        <translation>Est-ce une faute de frappe pour %1&#xa0;?</translation>
    </message>
    <message>
        <source>Attributes/%1 is there, but it is never used (see below).</source>
        <translation>Attributes/%1 existe, mais n&apos;est jamais utilisé (voir plus bas).</translation>
    </message>
    <message>
        <source>There is no attribute of the category &quot;%1&quot; at all.</source>
        <translation>Il n&apos;existe aucun attribut de la catégorie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; has: %2.</source>
        <comment>%2 is a list of values</comment>
        <translation>La catégorie &quot;%1&quot; a&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ObjectAnalysis</name>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <translation>L&apos;enregistrement %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>With the spoken caption on, the synthetic voice speaks instead, and the first set with this picture shows an error message.</source>
        <translation>Avec la légende parlée activée, la voix de synthèse parle à sa place, et la première série avec cette image affiche un message d&apos;erreur.</translation>
    </message>
    <message>
        <source>Record it again and save it as a PCM wave file (WAV, 16 bit).</source>
        <translation>Enregistrez-le de nouveau et sauvegardez-le en fichier wave PCM (WAV, 16 bits).</translation>
    </message>
</context>
<context>
    <name>ObjectFindings</name>
    <message>
        <source>Whenever this picture is drawn, %1.</source>
        <translation>Chaque fois que cette image est tirée, %1.</translation>
    </message>
    <message>
        <source>The name has only one part before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>Le nom n&apos;a qu&apos;une partie avant &quot;.jpg&quot;&#xa0;; les images d&apos;objets en demandent trois&#xa0;: pictogramme.catégorie.valeur.jpg.</translation>
    </message>
    <message>
        <source>The name has only two parts before &quot;.jpg&quot;; object pictures need three: symbol.category.value.jpg.</source>
        <translation>Le nom n&apos;a que deux parties avant &quot;.jpg&quot;&#xa0;; les images d&apos;objets en demandent trois&#xa0;: pictogramme.catégorie.valeur.jpg.</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg, for example %1.</source>
        <translation>Renommez-la en pictogramme.catégorie.valeur.jpg, par exemple %1.</translation>
    </message>
    <message>
        <source>The name has an empty part (two full stops in a row).</source>
        <translation>Le nom a une partie vide (deux points à la suite).</translation>
    </message>
    <message>
        <source>Rename it to symbol.category.value.jpg with one full stop between the parts.</source>
        <translation>Renommez-la en pictogramme.catégorie.valeur.jpg, avec un seul point entre les parties.</translation>
    </message>
    <message>
        <source>The caption reads %1 (the extension is taken for the value), and only an attribute named %2.jpg would match.</source>
        <extracomment>%1 is the caption as the exercise shows it, %2 the second part of the picture&apos;s name</extracomment>
        <translation>La légende affiche %1 (l&apos;extension est prise pour la valeur), et seul un attribut nommé %2.jpg correspondrait.</translation>
    </message>
    <message numerus="yes">
        <source>The caption reads %1. The exercise shows two error messages %2 each time it reads the missing third part: %n message(s) every time this picture comes up, and more with %3 on.</source>
        <extracomment>%1 is the caption, %2 the exercise&apos;s error message, %3 the name of an option</extracomment>
        <translation>
            <numerusform>La légende affiche %1. L&apos;exercice affiche deux messages d&apos;erreur %2 chaque fois qu&apos;il lit la troisième partie manquante&#xa0;: %n message chaque fois que cette image revient, et davantage avec l&apos;option %3 activée.</numerusform>
            <numerusform>La légende affiche %1. L&apos;exercice affiche deux messages d&apos;erreur %2 chaque fois qu&apos;il lit la troisième partie manquante&#xa0;: %n messages chaque fois que cette image revient, et davantage avec l&apos;option %3 activée.</numerusform>
        </translation>
    </message>
    <message>
        <source>The caption reads %1; an empty part matches no symbol or attribute.</source>
        <translation>La légende affiche %1&#xa0;; une partie vide ne correspond à aucun pictogramme ni attribut.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer.</source>
        <translation>La rangée d&apos;attributs n&apos;a pas de bonne réponse.</translation>
    </message>
    <message>
        <source>There is no symbol picture for &quot;%1&quot;.</source>
        <translation>Il n&apos;y a pas d&apos;image de pictogramme pour &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add a symbol picture named %1.jpg to the Symbols folder (the first part of this picture&apos;s name).</source>
        <translation>Ajoutez une image de pictogramme nommée %1.jpg dans le dossier Symbols (la première partie du nom de cette image).</translation>
    </message>
    <message>
        <source>Its symbol %1 cannot be loaded.</source>
        <translation>Son pictogramme %1 ne peut pas être chargé.</translation>
    </message>
    <message>
        <source>Replace Symbols/%1 (see below).</source>
        <translation>Remplacez Symbols/%1 (voir plus bas).</translation>
    </message>
    <message>
        <source>There is no attribute picture for &quot;%1&quot; &quot;%2&quot;.</source>
        <translation>Il n&apos;y a pas d&apos;image d&apos;attribut pour &quot;%1&quot; &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Add an attribute picture named %1.%2.jpg to the Attributes folder, or rename this picture after an attribute that exists.</source>
        <translation>Ajoutez une image d&apos;attribut nommée %1.%2.jpg dans le dossier Attributes, ou renommez cette image d&apos;après un attribut qui existe.</translation>
    </message>
    <message>
        <source>Its attribute %1 cannot be loaded.</source>
        <translation>Son attribut %1 ne peut pas être chargé.</translation>
    </message>
    <message>
        <source>Replace Attributes/%1 (see below).</source>
        <translation>Remplacez Attributes/%1 (voir plus bas).</translation>
    </message>
    <message>
        <source>The symbol row has no right answer: with %1 off it stays blank, with it on only a wrong symbol is shown. With &quot;Use sequence&quot; on, the attribute row never appears, so the learner can only leave the set with &quot;%2&quot;.</source>
        <translation>La rangée de pictogrammes n&apos;a pas de bonne réponse&#xa0;: avec l&apos;option %1 désactivée, elle reste vide&#xa0;; activée, seul un mauvais pictogramme est affiché. Avec l&apos;option &quot;Enchaîner pictogrammes et attributs&quot; activée, la rangée d&apos;attributs n&apos;apparaît jamais&#xa0;: l&apos;apprenant ne peut quitter la série qu&apos;avec &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The attribute row has no right answer (with %1 on only a wrong one is shown). With &quot;Use sequence&quot; on, the learner cannot finish the set: only &quot;%2&quot; leaves it.</source>
        <translation>La rangée d&apos;attributs n&apos;a pas de bonne réponse (avec l&apos;option %1 activée, seul un mauvais attribut est affiché). Avec l&apos;option &quot;Enchaîner pictogrammes et attributs&quot; activée, l&apos;apprenant ne peut pas terminer la série&#xa0;: seul &quot;%2&quot; permet de la quitter.</translation>
    </message>
</context>
<context>
    <name>OptionsLogic</name>
    <message>
        <source>*** NO SOUND ***</source>
        <extracomment>The first entry of both sound lists: play no sound</extracomment>
        <translation>*** AUCUN SON ***</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Invalid picture %1 (%2)</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be loaded</extracomment>
        <translation>Image non valide %1 (%2)</translation>
    </message>
    <message>
        <source>too large: %1 by %2</source>
        <translation>trop grande&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>not a readable picture</source>
        <translation>image illisible</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>not a readable picture: %1</source>
        <translation>image illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>endommagée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>The object is empty.</source>
        <translation>L&apos;objet est vide.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>L&apos;objet «&#xa0;%1&#xa0;» contient un point&#xa0;; les points servent uniquement à séparer les parties.</translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation>L&apos;objet «&#xa0;%1&#xa0;» contient un caractère interdit dans un nom de fichier.</translation>
    </message>
    <message>
        <source>The category is empty.</source>
        <translation>La catégorie est vide.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>La catégorie «&#xa0;%1&#xa0;» contient un point&#xa0;; les points servent uniquement à séparer les parties.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation>La catégorie «&#xa0;%1&#xa0;» contient un caractère interdit dans un nom de fichier.</translation>
    </message>
    <message>
        <source>The value is empty.</source>
        <translation>La valeur est vide.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>La valeur «&#xa0;%1&#xa0;» contient un point&#xa0;; les points servent uniquement à séparer les parties.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation>La valeur «&#xa0;%1&#xa0;» contient un caractère interdit dans un nom de fichier.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</source>
        <extracomment>The example is a file name&apos;s three parts; it may be given in the language&apos;s own words</extracomment>
        <translation>
            <numerusform>Le nom d&apos;une image a trois parties, objet, catégorie et valeur, comme dans tasse.couleur.rouge&#xa0;; celui-ci en a %n.</numerusform>
            <numerusform>Le nom d&apos;une image a trois parties, objet, catégorie et valeur, comme dans tasse.couleur.rouge&#xa0;; celui-ci en a %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PicturePrompts</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of patterns such as *.jpg</extracomment>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Nouvelle collection</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>A new collection with no pictures in it</extracomment>
        <translation>Vide</translation>
    </message>
    <message>
        <source>A copy of the program&apos;s sample pictures</source>
        <translation>Une copie des images d&apos;exemple du programme</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The new collection&apos;s name</extracomment>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The title of the question</extracomment>
        <translation>Images</translation>
    </message>
    <message>
        <source>The program&apos;s own pictures cannot be changed on this computer.
Make a personal copy of them to change instead, named:</source>
        <translation>Les images du programme ne peuvent pas être modifiées sur cet ordinateur.
Faites-en une copie personnelle, que vous pourrez modifier, nommée&#xa0;:</translation>
    </message>
    <message>
        <source>New name of the object &quot;%1&quot;:</source>
        <translation>Nouveau nom de l&apos;objet «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>New name of the category &quot;%1&quot;:</source>
        <translation>Nouveau nom de la catégorie «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>New name of the value &quot;%1&quot;:</source>
        <translation>Nouveau nom de la valeur «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>The title of the question</extracomment>
        <translation>Renommer</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>%1 is too large a picture (%2 by %3 pixels) to be read here.</source>
        <extracomment>%1 is the file, %2 by %3 its width and height</extracomment>
        <translation>%1 est une image trop grande (%2 sur %3 pixels) pour être lue ici.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation>%1 est un dossier, pas une image.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 n&apos;a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged, or is not the kind of picture its name says.</source>
        <translation>%1 est endommagé, ou n&apos;est pas le type d&apos;image qu&apos;indique son nom.</translation>
    </message>
    <message>
        <source>%1 is not a picture this computer can read.</source>
        <translation>%1 n&apos;est pas une image que cet ordinateur sait lire.</translation>
    </message>
    <message>
        <source>%1 is a damaged JPEG picture (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>%1 est une image JPEG endommagée (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation>%1 n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>%1 is a HEIC/HEIF picture that could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the reason libheif gives</extracomment>
        <translation>%1 est une image HEIC/HEIF qui n&apos;a pas pu être lue (%2).</translation>
    </message>
    <message>
        <source>%1 is damaged (%2).</source>
        <extracomment>%1 is the file, %2 the reader&apos;s reason</extracomment>
        <translation>%1 est endommagé (%2).</translation>
    </message>
</context>
<context>
    <name>PicturesWindow</name>
    <message>
        <source>My pictures</source>
        <extracomment>The name suggested for a teacher&apos;s own copy of the program&apos;s pictures; it becomes a folder&apos;s name</extracomment>
        <translation>Mes images</translation>
    </message>
    <message>
        <source>My pictures %1</source>
        <extracomment>The same when &quot;My pictures&quot; is taken; %1 is 2, 3, ...</extracomment>
        <translation>Mes images %1</translation>
    </message>
</context>
<context>
    <name>PromptFrame</name>
    <message>
        <source>Prompt</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Guidance</translation>
    </message>
</context>
<context>
    <name>QtMicrophone</name>
    <message>
        <source>This computer has no microphone to record with</source>
        <translation>Cet ordinateur n&apos;a pas de microphone pour enregistrer</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot record 16-bit sound</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>Le microphone «&#xa0;%1&#xa0;» ne peut pas enregistrer en 16 bits</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be used now</source>
        <extracomment>%1 is the microphone&apos;s name</extracomment>
        <translation>Le microphone «&#xa0;%1&#xa0;» ne peut pas être utilisé pour le moment</translation>
    </message>
</context>
<context>
    <name>QtSpeechVoice</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>La voix ne peut pas parler&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RecordsChart</name>
    <message>
        <source>Session</source>
        <extracomment>The title of the chart&apos;s horizontal axis, numbered by session</extracomment>
        <translation>Séance</translation>
    </message>
    <message>
        <source>First try right, per session</source>
        <translation>Juste au premier essai, par séance</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The name of a line in the chart&apos;s legend: symbols right at the first try</extracomment>
        <translation>Pictogrammes</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The name of a line in the chart&apos;s legend: attributes right at the first try</extracomment>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right without a prompt</extracomment>
        <translation>Juste en autonomie</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>The name of a line in the chart&apos;s legend: first tries right with the answer shown as a prompt</extracomment>
        <translation>Juste avec guidance</translation>
    </message>
    <message>
        <source>Mastery (%1 %)</source>
        <extracomment>The name of the mastery line in the chart&apos;s legend; %1 is the rule&apos;s percent</extracomment>
        <translation>Maîtrise (%1 %)</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Il n&apos;y a aucun suivi pour l&apos;apprenant «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>RecordsFile</name>
    <message>
        <source>The records file %1 is in use by another program; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Le fichier de suivi %1 est utilisé par un autre programme&#xa0;; le suivi n&apos;est pas enregistré (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Le fichier de suivi %1 est endommagé (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Le fichier de suivi %1 ne peut pas être ouvert&#xa0;; le suivi n&apos;est pas enregistré (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be read; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Le fichier de suivi %1 ne peut pas être lu&#xa0;; le suivi n&apos;est pas enregistré (%2)</translation>
    </message>
    <message>
        <source>The records file %1 cannot be written; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the database&apos;s word on what went wrong</extracomment>
        <translation>Le fichier de suivi %1 ne peut pas être écrit&#xa0;; le suivi n&apos;est pas enregistré (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed; records are not kept</source>
        <translation>Le pilote SQLite de Qt n&apos;est pas installé&#xa0;; le suivi n&apos;est pas enregistré</translation>
    </message>
    <message>
        <source>There is no records file %1</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Il n&apos;y a pas de fichier de suivi %1</translation>
    </message>
    <message>
        <source>The records folder %1 cannot be created; records are not kept</source>
        <extracomment>%1 is the records folder&apos;s path</extracomment>
        <translation>Le dossier de suivi %1 ne peut pas être créé&#xa0;; le suivi n&apos;est pas enregistré</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created; records are not kept (%2)</source>
        <extracomment>%1 is the records file&apos;s path, %2 the system&apos;s word on what went wrong</extracomment>
        <translation>Le fichier de suivi %1 ne peut pas être créé&#xa0;; le suivi n&apos;est pas enregistré (%2)</translation>
    </message>
    <message>
        <source>The records file %1 is damaged and cannot be moved aside; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Le fichier de suivi %1 est endommagé et ne peut pas être mis de côté&#xa0;; le suivi n&apos;est pas enregistré</translation>
    </message>
    <message>
        <source>The records file was damaged: it is kept as %1 and a new records file was started</source>
        <extracomment>%1 is the path the damaged file was moved to</extracomment>
        <translation>Le fichier de suivi était endommagé&#xa0;: il est conservé sous %1 et un nouveau fichier de suivi a été commencé</translation>
    </message>
    <message>
        <source>The file %1 is not a Tessarine records file; it is left as it is and records are not kept</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Le fichier %1 n&apos;est pas un fichier de suivi Tessarine&#xa0;; il est laissé tel quel et le suivi n&apos;est pas enregistré</translation>
    </message>
    <message>
        <source>The records file %1 cannot keep a write-ahead log; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path; the write-ahead log is how the database keeps its changes safe</extracomment>
        <translation>Le fichier de suivi %1 ne peut pas tenir de journal d&apos;écriture anticipée (WAL)&#xa0;; le suivi n&apos;est pas enregistré</translation>
    </message>
    <message>
        <source>The school server %1 cannot be reached (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>Le serveur de l’école %1 est injoignable (%2)</translation>
    </message>
    <message>
        <source>The records on the school server %1 cannot be used (%2)</source>
        <extracomment>%1 names the school&apos;s PostgreSQL server, %2 is the server&apos;s word on what went wrong</extracomment>
        <translation>Les relevés du serveur de l’école %1 sont inutilisables (%2)</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (libqt6sql6-psql) is not installed; the school server cannot be used</source>
        <translation>Le pilote PostgreSQL de Qt (libqt6sql6-psql) n’est pas installé ; le serveur de l’école est inutilisable</translation>
    </message>
    <message>
        <source>The database %1 on the school server holds another program&apos;s tables; it is left as it is</source>
        <extracomment>%1 names a PostgreSQL database on the school&apos;s server</extracomment>
        <translation>La base de données %1 du serveur de l’école contient les tables d’un autre programme ; elle est laissée telle quelle</translation>
    </message>
</context>
<context>
    <name>RecordsModel</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>A cell of the Sessions table: %1 first tries answered right, of %2 in all</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column header of the Sessions table: when the session started</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>Column header: the number of sets shown in the session</extracomment>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Symbols first try</source>
        <extracomment>Column header: the percent of symbols chosen right at the first try</extracomment>
        <translation>Pictogrammes, 1er essai</translation>
    </message>
    <message>
        <source>Attributes first try</source>
        <extracomment>Column header: the percent of attributes chosen right at the first try</extracomment>
        <translation>Attributs, 1er essai</translation>
    </message>
    <message>
        <source>Median response</source>
        <extracomment>Column header: the median time to answer</extracomment>
        <translation>Temps de réponse médian</translation>
    </message>
    <message>
        <source>Independent right</source>
        <extracomment>Column header: first tries right without a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Juste en autonomie</translation>
    </message>
    <message>
        <source>Prompted right</source>
        <extracomment>Column header: first tries right with the answer shown as a prompt, &quot;17 of 20&quot;</extracomment>
        <translation>Juste avec guidance</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header of the Targets table: a symbol or an attribute the learner is taught to choose</extracomment>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: whether the target is a symbol or an attribute</extracomment>
        <translation>Rangée</translation>
    </message>
    <message>
        <source>Trials</source>
        <extracomment>Column header: the number of trials</extracomment>
        <translation>Essais</translation>
    </message>
    <message>
        <source>First try, last sessions</source>
        <extracomment>Column header: the percent right at the first try in the last sessions the mastery rule looks at</extracomment>
        <translation>1er essai, dernières séances</translation>
    </message>
    <message>
        <source>Mastered</source>
        <extracomment>Column header: whether the target is mastered, &quot;Yes&quot; or &quot;No&quot;</extracomment>
        <translation>Maîtrisée</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Pictogramme</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>A cell of the Targets table&apos;s Row column</extracomment>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A cell of the Targets table&apos;s Mastered column</extracomment>
        <translation>Non</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s), printed %1</source>
        <extracomment>Under the report&apos;s title; %n is the number of sessions, %1 the date and time of printing</extracomment>
        <translation>
            <numerusform>%n séance, imprimé le %1</numerusform>
            <numerusform>%n séances, imprimé le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Mastered: at least %1 % right at the first try in each of the last %2 sessions, with at least %3 trials in each</source>
        <extracomment>The mastery rule in the report: %1 is a percent, %2 a number of sessions, %3 a number of trials</extracomment>
        <translation>Maîtrisée&#xa0;: au moins %1 % de réussite au premier essai dans chacune des %2 dernières séances, avec au moins %3 essais dans chacune</translation>
    </message>
    <message>
        <source>Mastery and the first-try percentages count only first answers given without a prompt.</source>
        <translation>La maîtrise et les pourcentages de réussite au premier essai ne comptent que les premières réponses données sans guidance.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column header: the name of the computer the session was recorded on</extracomment>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>User</source>
        <extracomment>Column header: who was logged in on the computer during the session</extracomment>
        <translation>Utilisateur</translation>
    </message>
</context>
<context>
    <name>RecordsPlaceBox</name>
    <message>
        <source>Type the school server&apos;s connection string, such as host=db.school dbname=tessarine user=teacher or service=NAME.</source>
        <translation>Saisissez la chaîne de connexion du serveur de l’école, par exemple host=db.school dbname=tessarine user=teacher ou service=NAME.</translation>
    </message>
</context>
<context>
    <name>RecordsReport</name>
    <message>
        <source>A page cannot be added</source>
        <translation>Impossible d&apos;ajouter une page</translation>
    </message>
    <message>
        <source>No records yet.</source>
        <translation>Aucun suivi pour le moment.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s word on why it cannot be written</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The report&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Suivi de %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be started</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: le PDF ne peut pas être commencé</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The title of the report&apos;s sessions table</extracomment>
        <translation>Séances</translation>
    </message>
    <message>
        <source>Sessions (continued)</source>
        <extracomment>The title of the sessions table on the pages after its first</extracomment>
        <translation>Séances (suite)</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The title of the report&apos;s targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Cibles</translation>
    </message>
    <message>
        <source>Targets (continued)</source>
        <extracomment>The title of the targets table on the pages after its first</extracomment>
        <translation>Cibles (suite)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF cannot be finished</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: le PDF ne peut pas être terminé</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>The records file %1 was written by a later version of Tessarine; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path</extracomment>
        <translation>Le fichier de suivi %1 a été écrit par une version plus récente de Tessarine&#xa0;; le suivi n&apos;est pas enregistré</translation>
    </message>
</context>
<context>
    <name>RecordsStore</name>
    <message>
        <source>There are no records of the learner &quot;%1&quot;</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Il n&apos;y a aucun suivi pour l&apos;apprenant «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The records in %1 did not keep a new row; records are not kept</source>
        <extracomment>%1 is the records file&apos;s path or names the school server</extracomment>
        <translation>Les relevés dans %1 n’ont pas gardé une nouvelle ligne ; aucun relevé n’est tenu</translation>
    </message>
</context>
<context>
    <name>RewardOverlay</name>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Récompense</translation>
    </message>
</context>
<context>
    <name>RunRecords</name>
    <message>
        <source>The access settings of %1 are taken from the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Les réglages d&apos;accès de %1 sont pris dans le fichier de réglages.</translation>
    </message>
    <message>
        <source>The settings file has no access settings for %1: the defaults are used.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Le fichier de réglages n&apos;a pas de réglages d&apos;accès pour %1&#xa0;: les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>Learners&apos; access settings are taken from the settings file.</source>
        <translation>Les réglages d&apos;accès des apprenants sont pris dans le fichier de réglages.</translation>
    </message>
    <message>
        <source>The exercise runs without the teaching settings of %1, and nothing of it is recorded.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>L&apos;exercice se déroule sans les réglages pédagogiques de %1, et rien n&apos;en est enregistré.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 cannot be changed now.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Les réglages pédagogiques de %1 ne peuvent pas être modifiés pour le moment.</translation>
    </message>
    <message>
        <source>The teaching settings of %1 were not saved.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Les réglages pédagogiques de %1 n&apos;ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>The access settings of %1 are kept in the settings file.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Les réglages d&apos;accès de %1 sont conservés dans le fichier de réglages.</translation>
    </message>
    <message>
        <source>Records are kept on this computer until the school server answers again.</source>
        <translation>Les relevés sont gardés sur cet ordinateur jusqu’à ce que le serveur de l’école réponde à nouveau.</translation>
    </message>
    <message>
        <source>The exercise goes on; its answers are kept on this computer and sent when the school server answers again.</source>
        <translation>L’exercice continue ; ses réponses sont gardées sur cet ordinateur et envoyées quand le serveur de l’école répondra à nouveau.</translation>
    </message>
    <message>
        <source>The password is not kept in the settings: put it in ~/.pgpass, where PostgreSQL finds it, and leave it out of the connection string.</source>
        <translation>Le mot de passe n’est pas gardé dans les réglages : mettez-le dans ~/.pgpass, où PostgreSQL le trouve, et retirez-le de la chaîne de connexion.</translation>
    </message>
    <message>
        <source>No school server is chosen to send the sessions to.</source>
        <translation>Aucun serveur d’école n’est choisi pour y envoyer les séances.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Position out of range</source>
        <translation>Position hors limites</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>No image found: plase check images folders</source>
        <translation>Aucune image trouvée&#xa0;: vérifiez les dossiers d&apos;images</translation>
    </message>
</context>
<context>
    <name>SetSheet</name>
    <message>
        <source>cannot be loaded</source>
        <extracomment>in a picture&apos;s place on the printed sheet</extracomment>
        <translation>ne peut pas être chargée</translation>
    </message>
    <message>
        <source>Can stop when a picture that cannot be loaded is drawn as the wrong choice.</source>
        <translation>Peut s&apos;arrêter quand une image impossible à charger est tirée comme mauvais choix.</translation>
    </message>
    <message>
        <source>Works with every option.</source>
        <translation>Fonctionne avec toutes les options.</translation>
    </message>
    <message>
        <source>%1 (%2.)</source>
        <comment>%1 is a finding, %2 the options under which it holds</comment>
        <translation>%1 (%2.)</translation>
    </message>
    <message>
        <source>no symbol</source>
        <extracomment>in the place of a missing symbol picture on the printed sheet</extracomment>
        <translation>pas de pictogramme</translation>
    </message>
    <message>
        <source>no attribute</source>
        <extracomment>in the place of a missing attribute picture on the printed sheet</extracomment>
        <translation>pas d&apos;attribut</translation>
    </message>
    <message>
        <source>Tessarine sets in %1</source>
        <comment>the PDF&apos;s title; %1 is a folder</comment>
        <translation>Séries Tessarine dans %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Tessarine: every set</source>
        <translation>Tessarine&#xa0;: toutes les séries</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n image d&apos;objet</numerusform>
            <numerusform>%n images d&apos;objets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbol(s)</source>
        <translation>
            <numerusform>%n pictogramme</numerusform>
            <numerusform>%n pictogrammes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n attribute(s)</source>
        <translation>
            <numerusform>%n attribut</numerusform>
            <numerusform>%n attributs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more finding(s) about folders, symbols, attributes or sounds: run tessarine-check for the details.</source>
        <translation>
            <numerusform>%n autre constat sur les dossiers, pictogrammes, attributs ou sons&#xa0;: lancez tessarine-check pour les détails.</numerusform>
            <numerusform>%n autres constats sur les dossiers, pictogrammes, attributs ou sons&#xa0;: lancez tessarine-check pour les détails.</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Image</translation>
    </message>
    <message>
        <source>Caption and findings</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Légende et constats</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Pictogramme</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>column header of the printed sheet</extracomment>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>There are no object pictures in the Images folder.</source>
        <translation>Il n&apos;y a aucune image d&apos;objet dans le dossier Images.</translation>
    </message>
    <message>
        <source>Made by tessarine-check</source>
        <translation>Créé par tessarine-check</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>SettingsBacking</name>
    <message>
        <source>The settings cannot be saved to %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Les réglages ne peuvent pas être enregistrés dans %1</translation>
    </message>
</context>
<context>
    <name>SpokenCaption</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation>La voix ne peut pas parler&#xa0;: %1</translation>
    </message>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <extracomment>%1 is the recording&apos;s file, %2 says why in a phrase such as &quot;it is not a wave file&quot;</extracomment>
        <translation>L&apos;enregistrement %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TeachingDialog</name>
    <message>
        <source>Off</source>
        <extracomment>The lowest value of a number box: the feature is not used</extracomment>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Tessarine picture check of %1</source>
        <extracomment>the report&apos;s first line; %1 is a folder</extracomment>
        <translation>Vérification des images Tessarine de %1</translation>
    </message>
    <message>
        <source>Images: %1, Symbols: %2, Attributes: %3, Sounds: %4</source>
        <extracomment>Images, Symbols, Attributes and Sounds are folder names: keep them; %1 is a number of object pictures</extracomment>
        <translation>Images&#xa0;: %1, Symbols&#xa0;: %2, Attributes&#xa0;: %3, Sounds&#xa0;: %4</translation>
    </message>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n image d&apos;objet</numerusform>
            <numerusform>%n images d&apos;objets</numerusform>
        </translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <extracomment>a finding&apos;s label in the text report, in capitals</extracomment>
        <translation>PROBLÈME</translation>
    </message>
    <message>
        <source>WARNING</source>
        <extracomment>a finding&apos;s label in the text report, in capitals</extracomment>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>What happens:</source>
        <extracomment>a label in the text report, before what the exercise will do</extracomment>
        <translation>Ce qui se passe&#xa0;:</translation>
    </message>
    <message>
        <source>How to fix:</source>
        <extracomment>a label in the text report, before how to mend the finding</extracomment>
        <translation>Comment corriger&#xa0;:</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>Dossier du programme</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <extracomment>%1 is a folder&apos;s name: Images, Symbols, Attributes or Sounds</extracomment>
        <translation>Dossier %1</translation>
    </message>
    <message>
        <source>%1 and %2 in %3. %4</source>
        <extracomment>%1 is a number of problems, %2 of warnings, %3 of files or folders; %4 the sentence that follows</extracomment>
        <translation>%1 et %2 dans %3. %4</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problème</numerusform>
            <numerusform>%n problèmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n set(s) work with every option. Nothing to fix.</source>
        <translation>
            <numerusform>Toutes les séries (%n) fonctionnent avec toutes les options. Rien à corriger.</numerusform>
            <numerusform>Toutes les séries (%n) fonctionnent avec toutes les options. Rien à corriger.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s)</source>
        <translation>
            <numerusform>%n fichier ou dossier</numerusform>
            <numerusform>%n fichiers ou dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object picture(s) work with every option and need nothing.</source>
        <extracomment>%1 is how many of them work</extracomment>
        <translation>
            <numerusform>%1 image d&apos;objet sur %n fonctionne avec toutes les options et n&apos;a besoin de rien.</numerusform>
            <numerusform>%1 images d&apos;objets sur %n fonctionnent avec toutes les options et n&apos;ont besoin de rien.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one set works with every option. Nothing to fix.</source>
        <translation>La série unique fonctionne avec toutes les options. Rien à corriger.</translation>
    </message>
</context>
<context>
    <name>TokenRow</name>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Jetons</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Tokens earned: %1 is how many are filled, %2 how many make a reward</extracomment>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>WaveCheck</name>
    <message>
        <source>its format description is too short</source>
        <translation>sa description de format est trop courte</translation>
    </message>
    <message>
        <source>its format description is damaged</source>
        <translation>sa description de format est endommagée</translation>
    </message>
    <message>
        <source>it is compressed (format %1), not PCM; save it again as PCM</source>
        <extracomment>%1 is the number of the sound&apos;s format; PCM is the uncompressed one</extracomment>
        <translation>il est compressé (format %1), pas en PCM&#xa0;; enregistrez-le de nouveau en PCM</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>it is not a wave file</source>
        <translation>ce n&apos;est pas un fichier wave</translation>
    </message>
    <message>
        <source>it is damaged: the file ends inside its format description</source>
        <translation>il est endommagé&#xa0;: le fichier se termine au milieu de sa description de format</translation>
    </message>
    <message>
        <source>it is damaged: its sound comes before its format description</source>
        <translation>il est endommagé&#xa0;: ses données sonores se trouvent avant sa description de format</translation>
    </message>
    <message>
        <source>it is damaged: the file ends before its sound does</source>
        <translation>il est endommagé&#xa0;: le fichier se termine avant la fin de ses données sonores</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>il ne contient aucun son</translation>
    </message>
    <message>
        <source>it is damaged: it holds no sound data</source>
        <translation>il est endommagé&#xa0;: il ne contient aucune donnée sonore</translation>
    </message>
    <message>
        <source>it is damaged: it has no format description</source>
        <translation>il est endommagé&#xa0;: il n&apos;a pas de description de format</translation>
    </message>
</context>
<context>
    <name>WaveWriter</name>
    <message>
        <source>The recording %1 cannot be written: %2</source>
        <extracomment>%1 is the sound file, %2 why it cannot be written</extracomment>
        <translation>L&apos;enregistrement %1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>the sound is too long</source>
        <translation>le son est trop long</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>the set stops half-way with error %1 %2</source>
        <extracomment>ends a sentence; %1 is the error&apos;s number, %2 its message</extracomment>
        <translation>la série s&apos;arrête en cours de route sur l&apos;erreur %1 %2</translation>
    </message>
    <message>
        <source>in most sets</source>
        <translation>dans la plupart des séries</translation>
    </message>
    <message>
        <source>about once in %1 sets</source>
        <extracomment>%1 is a number like 1e+12</extracomment>
        <translation>environ une fois toutes les %1 séries</translation>
    </message>
    <message>
        <source>%1, the set stops half-way with error %2 %3.</source>
        <extracomment>%1 names the options, %2 is the error&apos;s number, %3 its message</extracomment>
        <translation>%1, la série s&apos;arrête en cours de route sur l&apos;erreur %2 %3.</translation>
    </message>
    <message>
        <source>%1, the set can stop half-way with error %2 %3.</source>
        <translation>%1, la série peut s&apos;arrêter en cours de route sur l&apos;erreur %2 %3.</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Ce fichier est vide.</translation>
    </message>
    <message>
        <source>Copy the picture again; the copy went wrong.</source>
        <translation>Copiez l&apos;image de nouveau&#xa0;; la copie a échoué.</translation>
    </message>
    <message>
        <source>This picture cannot be loaded (%1).</source>
        <translation>Cette image ne peut pas être chargée (%1).</translation>
    </message>
    <message>
        <source>Make the picture smaller (a few thousand pixels across is plenty).</source>
        <translation>Réduisez l&apos;image (quelques milliers de pixels de large suffisent amplement).</translation>
    </message>
    <message>
        <source>Open it in a picture editor and save it again as JPEG, or replace it.</source>
        <translation>Ouvrez-la dans un logiciel de retouche et enregistrez-la de nouveau en JPEG, ou remplacez-la.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about once in %Ln set(s)</source>
        <translation>
            <numerusform>environ une fois toutes les %Ln série</numerusform>
            <numerusform>environ une fois toutes les %Ln séries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmApertura</name>
    <message>
        <source>Play it</source>
        <extracomment>Tooltip of the buttons that play the chosen sound</extracomment>
        <translation>Écouter</translation>
    </message>
</context>
<context>
    <name>tessarine::AccessDialog</name>
    <message>
        <source>Access</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Accès</translation>
    </message>
    <message>
        <source>Access for %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Accès pour %1</translation>
    </message>
    <message>
        <source>Answer with the keyboard: arrows and Tab move, Space and Enter choose, 1 to 4 choose a picture</source>
        <translation>Répondre au clavier&#xa0;: les flèches et Tab déplacent, Espace et Entrée sélectionnent, 1 à 4 choisissent une image</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Contacteurs</translation>
    </message>
    <message>
        <source>No switch</source>
        <translation>Aucun contacteur</translation>
    </message>
    <message>
        <source>One switch: the ring moves by itself</source>
        <translation>Un contacteur&#xa0;: le cadre avance tout seul</translation>
    </message>
    <message>
        <source>Two switches: one moves, one chooses</source>
        <translation>Deux contacteurs&#xa0;: l&apos;un avance, l&apos;autre sélectionne</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Step switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Touche du contacteur de déplacement</translation>
    </message>
    <message>
        <source>Choose switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation>Touche du contacteur de sélection</translation>
    </message>
    <message>
        <source>Scanning:</source>
        <translation>Défilement&#xa0;:</translation>
    </message>
    <message>
        <source>Ring moves every:</source>
        <translation>Le cadre avance toutes les&#xa0;:</translation>
    </message>
    <message>
        <source>Step switch key:</source>
        <translation>Touche du contacteur de déplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Step switch button:</source>
        <translation>Bouton du contacteur de déplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Choose switch key:</source>
        <translation>Touche du contacteur de sélection&#xa0;:</translation>
    </message>
    <message>
        <source>Choose switch button:</source>
        <translation>Bouton du contacteur de sélection&#xa0;:</translation>
    </message>
    <message>
        <source>Accidental presses</source>
        <translation>Appuis involontaires</translation>
    </message>
    <message>
        <source>Guard against accidental presses</source>
        <translation>Filtrer les appuis involontaires</translation>
    </message>
    <message>
        <source>No hold needed</source>
        <extracomment>The hold time at zero</extracomment>
        <translation>Sans maintien</translation>
    </message>
    <message>
        <source>Presses on the same picture count once within:</source>
        <translation>Les appuis sur une même image ne comptent qu&apos;une fois en&#xa0;:</translation>
    </message>
    <message>
        <source>A press counts when held for:</source>
        <translation>Un appui compte s&apos;il est maintenu&#xa0;:</translation>
    </message>
    <message>
        <source>Pictures as big as the screen</source>
        <translation>Images de la taille de l&apos;écran</translation>
    </message>
    <message>
        <source>Speak the caption when a set appears</source>
        <translation>Dire la légende à l&apos;apparition d&apos;une série</translation>
    </message>
    <message>
        <source>Caption language:</source>
        <translation>Langue de la légende&#xa0;:</translation>
    </message>
    <message>
        <source>Language of the windows (%1)</source>
        <extracomment>The caption&apos;s language when none is chosen; %1 is that language&apos;s name in its own language</extracomment>
        <translation>Langue de l&apos;interface (%1)</translation>
    </message>
    <message>
        <source>This computer has no voice: the captions cannot be spoken.</source>
        <translation>Cet ordinateur n&apos;a pas de voix&#xa0;: les légendes ne peuvent pas être dites.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by an English voice.</source>
        <translation>Cet ordinateur n&apos;a pas de voix pour cette langue&#xa0;: les légendes sont dites par une voix anglaise.</translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by a voice of another language.</source>
        <translation>Cet ordinateur n&apos;a pas de voix pour cette langue&#xa0;: les légendes sont dites par une voix d&apos;une autre langue.</translation>
    </message>
</context>
<context>
    <name>tessarine::CropFrameWidget</name>
    <message>
        <source>Crop frame</source>
        <translation>Cadre de recadrage</translation>
    </message>
    <message>
        <source>The part of the picture that will be saved. Arrow keys move the frame, with Shift further; + and - make it larger or smaller. With the mouse, drag it to move it, or drag a corner or side, or turn the wheel, to resize it.</source>
        <translation>La partie de l&apos;image qui sera enregistrée. Les flèches déplacent le cadre, plus loin avec Maj&#xa0;; + et - l&apos;agrandissent ou le réduisent. Avec la souris, faites-le glisser pour le déplacer, ou faites glisser un coin ou un côté, ou tournez la molette, pour le redimensionner.</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportPanel</name>
    <message>
        <source>Pictures being added</source>
        <translation>Images en cours d&apos;ajout</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Ajouter des images...</translation>
    </message>
    <message>
        <source>Add pictures, or drop pictures or folders of them here.</source>
        <translation>Ajoutez des images, ou déposez ici des images ou des dossiers d&apos;images.</translation>
    </message>
    <message>
        <source>There are no pictures in %1.</source>
        <extracomment>%1 is one folder or several, separated by commas</extracomment>
        <translation>Il n&apos;y a aucune image dans %1.</translation>
    </message>
    <message>
        <source>These pictures cannot be added:
%1</source>
        <translation>Ces images ne peuvent pas être ajoutées&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>tessarine::ImportRow</name>
    <message>
        <source>Object</source>
        <extracomment>The first of a picture&apos;s name&apos;s three parts: what the picture shows</extracomment>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>The second of a picture&apos;s name&apos;s three parts, such as &quot;colour&quot;</extracomment>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The third of a picture&apos;s name&apos;s three parts, such as &quot;red&quot;</extracomment>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Object picture</source>
        <extracomment>What a picture is saved as: a picture of the object, its symbol, or an attribute&apos;s picture</extracomment>
        <translation>Image d&apos;objet</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Pictogramme</translation>
    </message>
    <message>
        <source>Attribute picture</source>
        <translation>Image d&apos;attribut</translation>
    </message>
    <message>
        <source>Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>Devient</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The file name the picture is saved under</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Leave out</source>
        <extracomment>Button: this picture is not added after all</extracomment>
        <translation>Écarter</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objet</translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation>&amp;Catégorie</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <source>&amp;Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation>&amp;Devient</translation>
    </message>
    <message>
        <source>Make the symbol from this photo</source>
        <translation>Créer le pictogramme à partir de cette photo</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <extracomment>Button: a picture from a file becomes the symbol
----------
Button: a picture from a file becomes the attribute&apos;s picture</extracomment>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Choose a picture for the symbol</source>
        <translation>Choisir une image pour le pictogramme</translation>
    </message>
    <message>
        <source>Make a card</source>
        <extracomment>An attribute card: a swatch of the colour, or the value&apos;s word written large</extracomment>
        <translation>Créer une carte</translation>
    </message>
    <message>
        <source>Choose a picture for the attribute</source>
        <translation>Choisir une image pour l&apos;attribut</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet</source>
        <translation>Il n&apos;y a pas encore de pictogramme pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet: it will be made from %2</source>
        <translation>Il n&apos;y a pas encore de pictogramme pour «&#xa0;%1&#xa0;»&#xa0;: il sera créé à partir de %2</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet</source>
        <translation>Il n&apos;y a pas encore de carte d&apos;attribut pour «&#xa0;%1 %2&#xa0;»</translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet: it will be %3</source>
        <translation>Il n&apos;y a pas encore de carte d&apos;attribut pour «&#xa0;%1 %2&#xa0;»&#xa0;: ce sera %3</translation>
    </message>
</context>
<context>
    <name>tessarine::KeyCaptureButton</name>
    <message>
        <source>Press the key or the switch...</source>
        <translation>Appuyez sur la touche ou le contacteur...</translation>
    </message>
</context>
<context>
    <name>tessarine::ObjectTableModel</name>
    <message>
        <source>Checking...</source>
        <extracomment>Shown for an object until the collection&apos;s check has looked at it</extracomment>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Works under every option.</source>
        <translation>Fonctionne avec toutes les options.</translation>
    </message>
    <message>
        <source>Some sets do not work under every option.</source>
        <translation>Certaines séries ne fonctionnent pas avec toutes les options.</translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation>Pas de pictogramme</translation>
    </message>
    <message>
        <source>No attribute</source>
        <translation>Pas d&apos;attribut</translation>
    </message>
    <message>
        <source>Picture: none</source>
        <extracomment>%1 is the object picture&apos;s file</extracomment>
        <translation>Image&#xa0;: aucune</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Image&#xa0;: %1</translation>
    </message>
    <message>
        <source>Symbol: none</source>
        <extracomment>%1 is the symbol&apos;s file</extracomment>
        <translation>Pictogramme&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Symbol: %1</source>
        <translation>Pictogramme&#xa0;: %1</translation>
    </message>
    <message>
        <source>Attribute: none</source>
        <extracomment>%1 is the attribute picture&apos;s file</extracomment>
        <translation>Attribut&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Attribute: %1</source>
        <translation>Attribut&#xa0;: %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>Column header: the object&apos;s picture</extracomment>
        <translation>Image</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Column header: the object&apos;s symbol</extracomment>
        <translation>Pictogramme</translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>Column header: the picture of the object&apos;s attribute (its colour, say)</extracomment>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>Caption and file</source>
        <extracomment>Column header</extracomment>
        <translation>Légende et fichier</translation>
    </message>
    <message>
        <source>Findings</source>
        <extracomment>Column header: what the check found</extracomment>
        <translation>Constats</translation>
    </message>
</context>
<context>
    <name>tessarine::PictureBox</name>
    <message>
        <source>Dimmed</source>
        <extracomment>Said by a screen reader of a picture shown faint</extracomment>
        <translation>Estompée</translation>
    </message>
</context>
<context>
    <name>tessarine::PicturesWindow</name>
    <message>
        <source>Pictures: %1</source>
        <extracomment>%1 is the collection&apos;s name</extracomment>
        <translation>Images&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <extracomment>The check found nothing about the collection as a whole</extracomment>
        <translation>Rien à signaler.</translation>
    </message>
    <message>
        <source>Choose an object in the list to see its findings.</source>
        <translation>Choisissez un objet dans la liste pour voir ses constats.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation>Images</translation>
    </message>
    <message>
        <source>New collection</source>
        <translation>Nouvelle collection</translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation>Ajouter des images...</translation>
    </message>
    <message>
        <source>Checking the pictures...</source>
        <translation>Vérification des images...</translation>
    </message>
    <message>
        <source>Checking the pictures</source>
        <translation>Vérification des images</translation>
    </message>
    <message>
        <source>Findings of the chosen object</source>
        <translation>Constats sur l&apos;objet choisi</translation>
    </message>
    <message>
        <source>Rename...</source>
        <extracomment>Button with a menu: rename the object, the category or the value</extracomment>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Object...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the object, the first of a name&apos;s three parts</extracomment>
        <translation>Objet...</translation>
    </message>
    <message>
        <source>Category...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the category, the second of a name&apos;s three parts</extracomment>
        <translation>Catégorie...</translation>
    </message>
    <message>
        <source>Value...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the value, the third of a name&apos;s three parts</extracomment>
        <translation>Valeur...</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the chosen object picture goes to the trash</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the picture</source>
        <translation>Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Moves the object picture and its recording to the trash</source>
        <translation>Met l&apos;image d&apos;objet et son enregistrement à la corbeille</translation>
    </message>
    <message>
        <source>Findings about the whole collection:</source>
        <translation>Constats sur toute la collection&#xa0;:</translation>
    </message>
    <message>
        <source>Findings about the whole collection</source>
        <translation>Constats sur toute la collection</translation>
    </message>
    <message>
        <source>Objects</source>
        <extracomment>The list of the collection&apos;s object pictures</extracomment>
        <translation>Objets</translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsPlaceBox</name>
    <message>
        <source>Records kept on</source>
        <extracomment>The title of the box that chooses where the learners&apos; records are kept</extracomment>
        <translation>Relevés gardés sur</translation>
    </message>
    <message>
        <source>A PostgreSQL connection string: host, dbname and user, or service=NAME; the password is taken from ~/.pgpass</source>
        <translation>Une chaîne de connexion PostgreSQL : host, dbname et user, ou service=NAME ; le mot de passe est pris dans ~/.pgpass</translation>
    </message>
    <message>
        <source>This computer</source>
        <extracomment>Where the records are kept: the records file of this computer</extracomment>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>School server</source>
        <extracomment>Where the records are kept: the school&apos;s database server, shared by its computers</extracomment>
        <translation>Serveur de l’école</translation>
    </message>
    <message>
        <source>Where the learners&apos; records are kept: this computer&apos;s file, or the school&apos;s server that every computer of the school shares</source>
        <translation>Où sont gardés les relevés des apprenants : le fichier de cet ordinateur, ou le serveur de l’école que partagent tous ses ordinateurs</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>The label of the school server&apos;s connection string</extracomment>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Use this server</source>
        <extracomment>A button: keeps the records on the school server typed beside it</extracomment>
        <translation>Utiliser ce serveur</translation>
    </message>
    <message>
        <source>Keeps the records on this server from now on</source>
        <translation>Garde désormais les relevés sur ce serveur</translation>
    </message>
    <message>
        <source>Send now</source>
        <extracomment>A button: sends the sessions recorded on this computer to the school server</extracomment>
        <translation>Envoyer maintenant</translation>
    </message>
    <message>
        <source>Sends the sessions recorded on this computer to the school server; each is sent once</source>
        <translation>Envoie au serveur de l’école les séances enregistrées sur cet ordinateur ; chacune n’est envoyée qu’une fois</translation>
    </message>
    <message numerus="yes">
        <source>%n session(s) recorded on this computer wait to be sent to the school server.</source>
        <extracomment>%n is a number of sessions</extracomment>
        <translation>
            <numerusform>%n séance enregistrée sur cet ordinateur attend d’être envoyée au serveur de l’école.</numerusform>
            <numerusform>%n séances enregistrées sur cet ordinateur attendent d’être envoyées au serveur de l’école.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsWindow</name>
    <message>
        <source>Records of %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation>Suivi de %1</translation>
    </message>
    <message>
        <source>Learner: %1</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Apprenant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sessions</source>
        <extracomment>The sessions table&apos;s name, as a screen reader says it
----------
The title of the sessions table</extracomment>
        <translation>Séances</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The targets table&apos;s name, as a screen reader says it; a target is what the learner is taught to choose
----------
The title of the targets table; a target is what the learner is taught to choose</extracomment>
        <translation>Cibles</translation>
    </message>
    <message>
        <source>Chart of first try right, per session</source>
        <translation>Graphique des réussites au premier essai, par séance</translation>
    </message>
    <message>
        <source>Per session, the percent right at the first try of symbols and attributes answered without a prompt, of all first tries answered without a prompt (independent) and of all answered with one (prompted), and the mastery line; the same numbers are in the Sessions table</source>
        <translation>Par séance, le pourcentage de réussite au premier essai des pictogrammes et des attributs sans guidance, de tous les premiers essais sans guidance (en autonomie) et de tous ceux avec guidance (avec guidance), ainsi que la ligne de maîtrise&#xa0;; les mêmes chiffres figurent dans le tableau Séances</translation>
    </message>
    <message>
        <source>Mastery rule</source>
        <extracomment>The title of the box that sets when a target counts as mastered</extracomment>
        <translation>Critère de maîtrise</translation>
    </message>
    <message>
        <source>Right at the first try, at least</source>
        <extracomment>The label of a percent: a target is mastered when at least this much of it is right at the first try</extracomment>
        <translation>Juste au premier essai, au moins</translation>
    </message>
    <message>
        <source>In consecutive sessions</source>
        <extracomment>The label of a number of sessions in a row in which the percent must be reached</extracomment>
        <translation>Séances consécutives</translation>
    </message>
    <message>
        <source>Trials a session, at least</source>
        <extracomment>The label of the fewest trials a session must have to count</extracomment>
        <translation>Essais par séance, au moins</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>A button: saves every answer of the learner in a CSV file
----------
The title of the file dialog that saves the CSV file</extracomment>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Report PDF</source>
        <extracomment>A button: saves a printable report of the learner in a PDF file
----------
The title of the file dialog that saves the PDF report</extracomment>
        <translation>Rapport PDF</translation>
    </message>
    <message>
        <source>Delete learner</source>
        <extracomment>A button: removes the learner and all of their records</extracomment>
        <translation>Supprimer l&apos;apprenant</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.csv)&quot; as it is</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>A file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Delete %1 and all of their records? This cannot be undone.</source>
        <extracomment>%1 is the learner&apos;s name</extracomment>
        <translation>Supprimer %1 et tout son suivi&#xa0;? Cette action est irréversible.</translation>
    </message>
</context>
<context>
    <name>tessarine::TeachingDialog</name>
    <message>
        <source>Teaching</source>
        <extracomment>Title of the dialog when no learner is chosen</extracomment>
        <translation>Pédagogie</translation>
    </message>
    <message>
        <source>Teaching for %1</source>
        <extracomment>Title of the dialog; %1 is the learner&apos;s name</extracomment>
        <translation>Pédagogie pour %1</translation>
    </message>
    <message>
        <source> sets</source>
        <extracomment>Shown after the number in &quot;Review mastered targets: one set in 5 sets&quot;; keep the leading space</extracomment>
        <translation> séries</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Seconds, shown after the number; keep the leading space</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Show the answer after a wrong answer</source>
        <translation>Montrer la réponse après une erreur</translation>
    </message>
    <message>
        <source>Repeat a set after an error</source>
        <translation>Répéter la série après une erreur</translation>
    </message>
    <message>
        <source> right sets</source>
        <extracomment>Shown after the number in &quot;Show a reward after 3 right sets&quot;; keep the leading space</extracomment>
        <translation> séries réussies</translation>
    </message>
    <message>
        <source>Targets</source>
        <extracomment>The list of symbols and attributes being taught</extracomment>
        <translation>Cibles</translation>
    </message>
    <message>
        <source>Review mastered targets: one set in</source>
        <translation>Revoir les cibles maîtrisées&#xa0;: une série sur</translation>
    </message>
    <message>
        <source>Show the answer after</source>
        <extracomment>Followed by a number of seconds</extracomment>
        <translation>Montrer la réponse après</translation>
    </message>
    <message>
        <source>Errorless trials for each new target</source>
        <translation>Essais sans erreur pour chaque nouvelle cible</translation>
    </message>
    <message>
        <source>Show a reward after</source>
        <extracomment>Followed by a number of right sets</extracomment>
        <translation>Montrer une récompense après</translation>
    </message>
    <message>
        <source>No picture of this collection has both its symbol and its attribute checked, so there would be nothing to show. Check at least one symbol and one attribute of the same picture, or press Cancel to keep the targets as they were.</source>
        <translation>Aucune image de cette collection n&apos;a à la fois son pictogramme et son attribut cochés&#xa0;: il n&apos;y aurait donc rien à montrer. Cochez au moins un pictogramme et un attribut de la même image, ou appuyez sur Annuler pour garder les cibles telles qu&apos;elles étaient.</translation>
    </message>
</context>
<context>
    <name>tessarine::VoiceButtons</name>
    <message>
        <source>Record</source>
        <extracomment>Button: record the caption from the microphone
----------
Button: record the caption from the microphone; &quot;No microphone&quot; on a computer without one</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button: play the recorded caption</extracomment>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the recording goes to the trash</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Voice of %1</source>
        <extracomment>%1 is the object picture&apos;s name; the buttons record, play and remove its spoken caption</extracomment>
        <translation>Voix de %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button: stop recording</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stops recording</source>
        <translation>Arrête l&apos;enregistrement</translation>
    </message>
    <message>
        <source>No microphone</source>
        <translation>Pas de micro</translation>
    </message>
    <message>
        <source>Records the caption from the microphone</source>
        <translation>Enregistre la légende au microphone</translation>
    </message>
    <message>
        <source>No microphone: this computer has none to record with</source>
        <translation>Pas de micro&#xa0;: cet ordinateur n&apos;en a aucun pour enregistrer</translation>
    </message>
    <message>
        <source>The recording %1 cannot be moved to the trash</source>
        <translation>L&apos;enregistrement %1 ne peut pas être mis à la corbeille</translation>
    </message>
</context>
<context>
    <name>tessarine::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>The window&apos;s title until the program&apos;s name is known</extracomment>
        <translation>À propos de MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button that closes the About window</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>Shown until the program&apos;s name is known</extracomment>
        <translation>Titre de l&apos;application</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Shown until the version number is known</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Developed by %1 - %2</source>
        <extracomment>%1 is the author, %2 the year</extracomment>
        <translation>Développé par %1 - %2</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>À propos de %1</translation>
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
        <translation>Distracteur pour les pictogrammes</translation>
    </message>
    <message>
        <source>Show distractor for attributes</source>
        <translation>Distracteur pour les attributs</translation>
    </message>
    <message>
        <source>Same category of image</source>
        <translation>Même catégorie d&apos;image</translation>
    </message>
    <message>
        <source>Full random (regardless of category)</source>
        <translation>Au hasard (toutes catégories)</translation>
    </message>
    <message>
        <source>Program Options</source>
        <extracomment>The options window&apos;s heading</extracomment>
        <translation>Options du programme</translation>
    </message>
    <message>
        <source>Distractors management</source>
        <translation>Gestion des distracteurs</translation>
    </message>
    <message>
        <source>Attribute distractor chosing method</source>
        <translation>Choix du distracteur d&apos;attribut</translation>
    </message>
    <message>
        <source>Use sequence between symbols and attributes</source>
        <translation>Enchaîner pictogrammes et attributs</translation>
    </message>
    <message>
        <source>Sounds management</source>
        <translation>Gestion des sons</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <source>Sound for &quot;OK&quot;</source>
        <translation>Son pour «&#xa0;OK&#xa0;»</translation>
    </message>
    <message>
        <source>Play the OK sound</source>
        <translation>Écouter le son «&#xa0;OK&#xa0;»</translation>
    </message>
    <message>
        <source>Sound for &quot;error&quot;</source>
        <translation>Son pour «&#xa0;erreur&#xa0;»</translation>
    </message>
    <message>
        <source>Play the wrong-answer sound</source>
        <translation>Écouter le son de mauvaise réponse</translation>
    </message>
    <message>
        <source>Start program</source>
        <extracomment>Button: closes the options and starts the exercise</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Learner</source>
        <extracomment>Label of the list of learners&apos; names</extracomment>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Whose answers are recorded; leave empty to record nothing</source>
        <translation>Personne dont les réponses sont enregistrées&#xa0;; laisser vide pour ne rien enregistrer</translation>
    </message>
    <message>
        <source>Records...</source>
        <extracomment>Button: opens the learner&apos;s records</extracomment>
        <translation>Suivi...</translation>
    </message>
    <message>
        <source>Access...</source>
        <extracomment>Button: opens the learner&apos;s keyboard, switch and screen settings</extracomment>
        <translation>Accès...</translation>
    </message>
    <message>
        <source>Keyboard, switches and screen size for this learner</source>
        <translation>Clavier, contacteurs et taille d&apos;écran pour cet apprenant</translation>
    </message>
    <message>
        <source>Teaching...</source>
        <extracomment>Button: opens the learner&apos;s teaching settings</extracomment>
        <translation>Pédagogie...</translation>
    </message>
    <message>
        <source>Targets, prompts, corrections and rewards for this learner</source>
        <translation>Cibles, guidances, corrections et récompenses pour cet apprenant</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Label of the list of picture collections</extracomment>
        <translation>Images</translation>
    </message>
    <message>
        <source>The pictures the exercise shows</source>
        <translation>Les images que montre l&apos;exercice</translation>
    </message>
    <message>
        <source>Pictures...</source>
        <extracomment>Button: opens the window that adds, names and checks pictures</extracomment>
        <translation>Images...</translation>
    </message>
    <message>
        <source>Add, name and check the pictures of this collection</source>
        <translation>Ajouter, nommer et vérifier les images de cette collection</translation>
    </message>
    <message>
        <source>Other folder...</source>
        <extracomment>Last entry of the list of picture collections: choose a folder</extracomment>
        <translation>Autre dossier...</translation>
    </message>
    <message>
        <source>Pictures: choose a folder with Images, Symbols, Attributes and Sounds</source>
        <extracomment>Title of the folder dialog; Images, Symbols, Attributes and Sounds are folder names, kept as they are</extracomment>
        <translation>Images&#xa0;: choisir un dossier contenant Images, Symbols, Attributes et Sounds</translation>
    </message>
</context>
<context>
    <name>tessarine::frmMain</name>
    <message>
        <source>Change set</source>
        <extracomment>Button: shows the next set of pictures</extracomment>
        <translation>Changer de série</translation>
    </message>
    <message>
        <source>Caption</source>
        <extracomment>The text under the object picture (its name)</extracomment>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Object picture</source>
        <translation>Image d&apos;objet</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The row of symbol pictures to choose from</extracomment>
        <translation>Pictogrammes</translation>
    </message>
    <message>
        <source>Attributes</source>
        <extracomment>The row of attribute pictures (colours, sizes...) to choose from</extracomment>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>First symbol</source>
        <translation>Premier pictogramme</translation>
    </message>
    <message>
        <source>Second symbol</source>
        <translation>Deuxième pictogramme</translation>
    </message>
    <message>
        <source>First attribute</source>
        <translation>Premier attribut</translation>
    </message>
    <message>
        <source>Second attribute</source>
        <translation>Deuxième attribut</translation>
    </message>
    <message>
        <source>Focus ring</source>
        <extracomment>The ring that marks the picture a key or switch would choose</extracomment>
        <translation>Cadre de sélection</translation>
    </message>
    <message>
        <source>Answer shown</source>
        <extracomment>The mark that shows the learner the right answer</extracomment>
        <translation>Réponse montrée</translation>
    </message>
    <message>
        <source>Tokens</source>
        <extracomment>The row of tokens earned towards a reward</extracomment>
        <translation>Jetons</translation>
    </message>
    <message>
        <source>Reward</source>
        <extracomment>The reward shown after enough right answers</extracomment>
        <translation>Récompense</translation>
    </message>
</context>
</TS>
