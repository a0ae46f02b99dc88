<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CheckCommand</name>
    <message numerus="yes">
        <source>One folder at a time, not %n: &quot;%1&quot;.</source>
        <extracomment>%1 is the folders given, in quotes</extracomment>
        <translation>
            <numerusform>One folder at a time, not %n: &quot;%1&quot;.</numerusform>
            <numerusform>One folder at a time, not %n: &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistractorFindings</name>
    <message numerus="yes">
        <source>Of the %n symbol(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <extracomment>%1 is how many of them can serve</extracomment>
        <translation>
            <numerusform>Of the %n symbol that the wrong choice is drawn from, only %1 can serve.</numerusform>
            <numerusform>Of the %n symbols that the wrong choice is drawn from, only %1 can serve.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %n attribute(s) that the wrong choice is drawn from, only %1 can serve.</source>
        <translation>
            <numerusform>Of the %n attribute that the wrong choice is drawn from, only %1 can serve.</numerusform>
            <numerusform>Of the %n attributes that the wrong choice is drawn from, only %1 can serve.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message numerus="yes">
        <source>%n time(s), once for each of them</source>
        <translation>
            <numerusform>%n time, once for each of them</numerusform>
            <numerusform>%n times, once for each of them</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 folder holds %n picture(s); only the first %2 (in name order) are used.</source>
        <extracomment>%1 is a folder&apos;s name, %2 the most pictures the exercise lists</extracomment>
        <translation>
            <numerusform>The %1 folder holds %n picture; only the first %2 (in name order) are used.</numerusform>
            <numerusform>The %1 folder holds %n pictures; only the first %2 (in name order) are used.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) never shown (%1), and every time the exercise opens it shows the error message %2 %3.</source>
        <extracomment>%1 is a list of file names, %2 the exercise&apos;s error message, %3 how often it is shown</extracomment>
        <translation>
            <numerusform>%n picture is never shown (%1), and every time the exercise opens it shows the error message %2 %3.</numerusform>
            <numerusform>%n pictures are never shown (%1), and every time the exercise opens it shows the error message %2 %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ObjectFindings</name>
    <message numerus="yes">
        <source>The caption reads %1. The exercise shows two error messages %2 each time it reads the missing third part: %n message(s) every time this picture comes up, and more with %3 on.</source>
        <extracomment>%1 is the caption, %2 the exercise&apos;s error message, %3 the name of an option</extracomment>
        <translation>
            <numerusform>The caption reads %1. The exercise shows two error messages %2 each time it reads the missing third part: %n message every time this picture comes up, and more with %3 on.</numerusform>
            <numerusform>The caption reads %1. The exercise shows two error messages %2 each time it reads the missing third part: %n messages every time this picture comes up, and more with %3 on.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message numerus="yes">
        <source>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</source>
        <extracomment>The example is a file name&apos;s three parts; it may be given in the language&apos;s own words</extracomment>
        <translation>
            <numerusform>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</numerusform>
            <numerusform>A picture&apos;s name has three parts, object, category and value, as in cup.colour.red; this one has %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordsModel</name>
    <message numerus="yes">
        <source>%n session(s), printed %1</source>
        <extracomment>Under the report&apos;s title; %n is the number of sessions, %1 the date and time of printing</extracomment>
        <translation>
            <numerusform>%n session, printed %1</numerusform>
            <numerusform>%n sessions, printed %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SetSheet</name>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n object picture</numerusform>
            <numerusform>%n object pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbol(s)</source>
        <translation>
            <numerusform>%n symbol</numerusform>
            <numerusform>%n symbols</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n attribute(s)</source>
        <translation>
            <numerusform>%n attribute</numerusform>
            <numerusform>%n attributes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more finding(s) about folders, symbols, attributes or sounds: run tessarine-check for the details.</source>
        <translation>
            <numerusform>%n more finding about folders, symbols, attributes or sounds: run tessarine-check for the details.</numerusform>
            <numerusform>%n more findings about folders, symbols, attributes or sounds: run tessarine-check for the details.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message numerus="yes">
        <source>%n object picture(s)</source>
        <translation>
            <numerusform>%n object picture</numerusform>
            <numerusform>%n object pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problem</numerusform>
            <numerusform>%n problems</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n set(s) work with every option. Nothing to fix.</source>
        <translation>
            <numerusform>All %n set works with every option. Nothing to fix.</numerusform>
            <numerusform>All %n sets work with every option. Nothing to fix.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s)</source>
        <translation>
            <numerusform>%n file or folder</numerusform>
            <numerusform>%n files or folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object picture(s) work with every option and need nothing.</source>
        <extracomment>%1 is how many of them work</extracomment>
        <translation>
            <numerusform>%1 of %n object picture work with every option and need nothing.</numerusform>
            <numerusform>%1 of %n object pictures work with every option and need nothing.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 is a list of file names</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about once in %Ln set(s)</source>
        <translation>
            <numerusform>about once in %Ln set</numerusform>
            <numerusform>about once in %Ln sets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessarine::RecordsPlaceBox</name>
    <message numerus="yes">
        <source>%n session(s) recorded on this computer wait to be sent to the school server.</source>
        <extracomment>%n is a number of sessions</extracomment>
        <translation>
            <numerusform>%n session recorded on this computer waits to be sent to the school server.</numerusform>
            <numerusform>%n sessions recorded on this computer wait to be sent to the school server.</numerusform>
        </translation>
    </message>
</context>
</TS>
