<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessDialog</name>
    <message>
        <source>Left mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a number of milliseconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccessSettings</name>
    <message>
        <source>The step switch and the choose switch send the same key. Give each switch its own key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The step switch and the choose switch use the same mouse button. Give each switch its own button, or none.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioOutputs</name>
    <message>
        <source>This computer has no sound output, so no sound will be heard. Connect speakers or headphones, or switch the sound on in the computer&apos;s settings, then start Tessarine again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCaptureButton</name>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key&apos;s name on a button</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSpeechVoice</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpokenCaption</name>
    <message>
        <source>The voice cannot speak: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording %1 cannot be played: %2</source>
        <extracomment>%1 is the recording&apos;s file, %2 says why in a phrase such as &quot;it is not a wave file&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaveCheck</name>
    <message>
        <source>its format description is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its format description is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is compressed (format %1), not PCM; save it again as PCM</source>
        <extracomment>%1 is the number of the sound&apos;s format; PCM is the uncompressed one</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a wave file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged: the file ends inside its format description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged: its sound comes before its format description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged: the file ends before its sound does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged: it holds no sound data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged: it has no format description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine::AccessDialog</name>
    <message>
        <source>Access</source>
        <extracomment>The window&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access for %1</source>
        <extracomment>The window&apos;s title; %1 is the learner&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer with the keyboard: arrows and Tab move, Space and Enter choose, 1 to 4 choose a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One switch: the ring moves by itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two switches: one moves, one chooses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose switch key</source>
        <extracomment>What the button&apos;s key is for, said by a screen reader before the key&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring moves every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step switch key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step switch button:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose switch key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose switch button:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accidental presses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guard against accidental presses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hold needed</source>
        <extracomment>The hold time at zero</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses on the same picture count once within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A press counts when held for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures as big as the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak the caption when a set appears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the windows (%1)</source>
        <extracomment>The caption&apos;s language when none is chosen; %1 is that language&apos;s name in its own language</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no voice: the captions cannot be spoken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by an English voice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no voice for this language: the captions are spoken by a voice of another language.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine::KeyCaptureButton</name>
    <message>
        <source>Press the key or the switch...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
