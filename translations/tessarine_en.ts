<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
</TS>
