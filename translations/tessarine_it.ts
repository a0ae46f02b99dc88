<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AddPictureCommand</name>
    <message>
        <source>Usage: tessarine --add-picture FILE --as OBJECT.CATEGORY.VALUE [--collection FOLDER]</source>
        <extracomment>The command line&apos;s form: the program&apos;s name and the options stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option such as --as</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One picture at a time: %1 is one too many.</source>
        <extracomment>%1 is a second picture file given on the command line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which picture? Name its file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the picture its name with --as, as in --as cup.colour.red.</source>
        <extracomment>--as is the option&apos;s name; the example is a file name&apos;s three parts, object, category and value</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CollectionEditor</name>
    <message>
        <source>Could not write %1: %2.</source>
        <extracomment>%1 is a file or folder, %2 why it could not be written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The part of the picture to keep is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>Ends &quot;Could not write ...: &quot;; %1 is the path in the way</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this folder may not be written here</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <extracomment>Ends &quot;Could not write ...: &quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which object is to be renamed? None was named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which category is to be renamed? None was named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which value is to be renamed? None was named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. Nothing was renamed.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why it could not be renamed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not rename %1 to %2: %3. These files kept their new names: %4.</source>
        <extracomment>%1 is a file, %2 its new name, %3 why, %4 the files that kept their new names</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move %1 to the trash; it was left where it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeifReader</name>
    <message>
        <source>too large</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no picture data</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory for %1 by %2</source>
        <extracomment>Said in brackets after &quot;... could not be read&quot;; %1 by %2 are the picture&apos;s width and height</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportPanel</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>The object is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The object &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the object as typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the category as typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a full stop; full stops only separate the parts.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; holds a character a file name cannot carry.</source>
        <extracomment>%1 is the value as typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</source>
        <extracomment>The example is a file name&apos;s three parts; it may be given in the language&apos;s own words</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PicturePrompts</name>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the list of patterns such as *.jpg</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>A new collection with no pictures in it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of the program&apos;s sample pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The new collection&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The title of the question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s own pictures cannot be changed on this computer.
Make a personal copy of them to change instead, named:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name of the object &quot;%1&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name of the category &quot;%1&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name of the value &quot;%1&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>The title of the question</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>%1 is too large a picture (%2 by %3 pixels) to be read here.</source>
        <extracomment>%1 is the file, %2 by %3 its width and height</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged, or is not the kind of picture its name says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a picture this computer can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a damaged JPEG picture (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the decoder&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a HEIC/HEIF picture that could not be read (%2).</source>
        <extracomment>%1 is the file, %2 the reason libheif gives</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged (%2).</source>
        <extracomment>%1 is the file, %2 the reader&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PicturesWindow</name>
    <message>
        <source>My pictures</source>
        <extracomment>The name suggested for a teacher&apos;s own copy of the program&apos;s pictures; it becomes a folder&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My pictures %1</source>
        <extracomment>The same when &quot;My pictures&quot; is taken; %1 is 2, 3, ...</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine::CropFrameWidget</name>
    <message>
        <source>Crop frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The part of the picture that will be saved. Arrow keys move the frame, with Shift further; + and - make it larger or smaller. With the mouse, drag it to move it, or drag a corner or side, or turn the wheel, to resize it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine::ImportPanel</name>
    <message>
        <source>Pictures being added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures, or drop pictures or folders of them here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no pictures in %1.</source>
        <extracomment>%1 is one folder or several, separated by commas</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These pictures cannot be added:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine::ImportRow</name>
    <message>
        <source>Object</source>
        <extracomment>The first of a picture&apos;s name&apos;s three parts: what the picture shows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>The second of a picture&apos;s name&apos;s three parts, such as &quot;colour&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The third of a picture&apos;s name&apos;s three parts, such as &quot;red&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object picture</source>
        <extracomment>What a picture is saved as: a picture of the object, its symbol, or an attribute&apos;s picture</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The file name the picture is saved under</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out</source>
        <extracomment>Button: this picture is not added after all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Becomes</source>
        <extracomment>What the picture is saved as</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the symbol from this photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <extracomment>Button: a picture from a file becomes the symbol
----------
Button: a picture from a file becomes the attribute&apos;s picture</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a picture for the symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a card</source>
        <extracomment>An attribute card: a swatch of the colour, or the value&apos;s word written large</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a picture for the attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no symbol for &quot;%1&quot; yet: it will be made from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no attribute card for &quot;%1 %2&quot; yet: it will be %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine::ObjectTableModel</name>
    <message>
        <source>Checking...</source>
        <extracomment>Shown for an object until the collection&apos;s check has looked at it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Works under every option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some sets do not work under every option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture: none</source>
        <extracomment>%1 is the object picture&apos;s file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol: none</source>
        <extracomment>%1 is the symbol&apos;s file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute: none</source>
        <extracomment>%1 is the attribute picture&apos;s file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>Column header: the object&apos;s picture</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Column header: the object&apos;s symbol</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute</source>
        <extracomment>Column header: the picture of the object&apos;s attribute (its colour, say)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption and file</source>
        <extracomment>Column header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings</source>
        <extracomment>Column header: what the check found</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine::PicturesWindow</name>
    <message>
        <source>Pictures: %1</source>
        <extracomment>%1 is the collection&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <extracomment>The check found nothing about the collection as a whole</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an object in the list to see its findings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures...</source>
        <extracomment>Button that opens a file dialog</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the pictures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings of the chosen object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename...</source>
        <extracomment>Button with a menu: rename the object, the category or the value</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the object, the first of a name&apos;s three parts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the category, the second of a name&apos;s three parts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value...</source>
        <extracomment>In the &quot;Rename...&quot; menu: the value, the third of a name&apos;s three parts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the chosen object picture goes to the trash</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the object picture and its recording to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings about the whole collection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings about the whole collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects</source>
        <extracomment>The list of the collection&apos;s object pictures</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine::VoiceButtons</name>
    <message>
        <source>Record</source>
        <extracomment>Button: record the caption from the microphone
----------
Button: record the caption from the microphone; &quot;No microphone&quot; on a computer without one</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button: play the recorded caption</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button: the recording goes to the trash</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice of %1</source>
        <extracomment>%1 is the object picture&apos;s name; the buttons record, play and remove its spoken caption</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button: stop recording</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records the caption from the microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No microphone: this computer has none to record with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording %1 cannot be moved to the trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
