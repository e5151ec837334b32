<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FileNameEdit</name>
    <message>
        <source>Browse (Alt+Down)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release V1.0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Spelldeck developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMediaPlayer</name>
    <message>
        <source>Sound playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound file was named to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound device can be opened to play &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound file this program can play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MCI device open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCorrect</name>
    <message>
        <source>Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, that was incorrect. The correct word is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The correct word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word you entered was:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word you entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCreate</name>
    <message>
        <source>Create new spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the name of the new spelldeck:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>Words:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)|*.mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating spelldeck: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing spelldeck: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new word&apos;s identifier could not be read back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently delete this word?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voice that speaks the words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the recording of the word with the chosen voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the word from the microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recording found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recording was found at &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norvane Spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1.0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmRecord</name>
    <message>
        <source>Record the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Record (or Space), say the word, then Stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSelected</name>
    <message>
        <source>Select a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently delete this list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the name of the new spelldeck:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmTest</name>
    <message>
        <source>Test spelldeck - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your spelling of the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word lists are not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have finished all your words!
<byte value="xd"/>You didn&apos;t miss ANY words at all!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have finished all your words!
<byte value="xd"/>You made %1 errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to try the ones you missed over again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test spelldeck - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
