<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Catalogue</name>
    <message>
        <source>&quot;%1&quot; is not a valid record identifier</source>
        <translation>„%1“ ist keine gültige Datensatzkennung</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The connection to the database server was lost (%1). The next step connects again.</source>
        <translation>Die Verbindung zum Datenbankserver ist abgebrochen (%1). Der nächste Schritt verbindet sich neu.</translation>
    </message>
</context>
<context>
    <name>DataSet</name>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Feld „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset</source>
        <translation>Dieser Vorgang ist an einer geschlossenen Datenmenge nicht möglich</translation>
    </message>
    <message>
        <source>Dataset not in edit or insert mode</source>
        <translation>Die Datenmenge ist nicht im Bearbeitungs- oder Einfügemodus</translation>
    </message>
</context>
<context>
    <name>EListError</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>MP3 encoding</source>
        <translation>MP3-Kodierung</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>Der MP3-Kodierer konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The MP3 encoder does not take sound at %1 Hz.</source>
        <translation>Der MP3-Kodierer nimmt keinen Ton mit %1 Hz an.</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (%1).</source>
        <translation>Der MP3-Kodierer ist gescheitert (%1).</translation>
    </message>
    <message>
        <source>Nothing was heard. Check the microphone.</source>
        <translation>Es war nichts zu hören. Prüfen Sie das Mikrofon.</translation>
    </message>
    <message>
        <source>The voice says nothing for this text.</source>
        <translation>Die Stimme spricht zu diesem Text nichts.</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>%1: a quote is out of place (a field with quotes must start and end with one).</source>
        <translation>%1: Ein Anführungszeichen steht an falscher Stelle (ein Feld mit Anführungszeichen muss mit einem beginnen und enden).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: a quoted field is never closed.</source>
        <translation>%1: Ein Feld in Anführungszeichen wird nie geschlossen.</translation>
    </message>
    <message>
        <source>%1: the first column holds no word.</source>
        <translation>%1: Die erste Spalte enthält kein Wort.</translation>
    </message>
    <message>
        <source>There are no words in %1.</source>
        <translation>%1 enthält keine Wörter.</translation>
    </message>
    <message>
        <source>%1 is not a KVTML 2 vocabulary file (its version is &quot;%2&quot;).</source>
        <translation>%1 ist keine KVTML-2-Vokabeldatei (ihre Version ist „%2“).</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML: %2 (line %3, column %4).</source>
        <translation>%1 ist kein wohlgeformtes XML: %2 (Zeile %3, Spalte %4).</translation>
    </message>
    <message>
        <source>%1 is not a KVTML vocabulary file.</source>
        <translation>%1 ist keine KVTML-Vokabeldatei.</translation>
    </message>
    <message>
        <source>There are no entries in %1.</source>
        <translation>%1 enthält keine Einträge.</translation>
    </message>
    <message>
        <source>%1 declares no language.</source>
        <translation>%1 gibt keine Sprache an.</translation>
    </message>
    <message>
        <source>%1 has no language with the id &quot;%2&quot;.</source>
        <translation>%1 hat keine Sprache mit der Kennung „%2“.</translation>
    </message>
    <message>
        <source>Entry %1 of %2</source>
        <translation>Eintrag %1 von %2</translation>
    </message>
    <message>
        <source>There are no words in %1 in the language &quot;%2&quot;.</source>
        <translation>%1 enthält keine Wörter in der Sprache „%2“.</translation>
    </message>
    <message>
        <source>%1 is not a Spelldeck package: it is no ZIP archive.</source>
        <translation>%1 ist kein Spelldeck-Paket: Es ist kein ZIP-Archiv.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: the end of the archive is missing.</source>
        <translation>%1 ist beschädigt oder unvollständig: Das Ende des Archivs fehlt.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: %2.</source>
        <translation>%1 ist beschädigt oder unvollständig: %2.</translation>
    </message>
    <message>
        <source>%1 was refused: %2</source>
        <translation>%1 wurde abgelehnt: %2</translation>
    </message>
    <message>
        <source>it holds more than %1 files.</source>
        <translation>Es enthält mehr als %1 Dateien.</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; lies outside the folder &quot;%2&quot;.</source>
        <translation>Seine Datei „%1“ liegt außerhalb des Ordners „%2“.</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is a symbolic link.</source>
        <translation>Seine Datei „%1“ ist eine symbolische Verknüpfung.</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is encrypted.</source>
        <translation>Seine Datei „%1“ ist verschlüsselt.</translation>
    </message>
    <message>
        <source>it holds the file &quot;%1&quot; twice.</source>
        <translation>Es enthält die Datei „%1“ zweimal.</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is larger than %2.</source>
        <translation>Seine Datei „%1“ ist größer als %2.</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is compressed more than %2 to 1.</source>
        <translation>Seine Datei „%1“ ist stärker als %2 zu 1 komprimiert.</translation>
    </message>
    <message>
        <source>its files hold more than %1 in all.</source>
        <translation>Seine Dateien umfassen zusammen mehr als %1.</translation>
    </message>
    <message>
        <source>%1 holds no file &quot;%2&quot;.</source>
        <translation>%1 enthält keine Datei „%2“.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; in %2 cannot be read: %3.</source>
        <translation>Die Datei „%1“ in %2 kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: the file &quot;%2&quot; cannot be read (%3).</source>
        <translation>%1 ist beschädigt oder unvollständig: Die Datei „%2“ kann nicht gelesen werden (%3).</translation>
    </message>
    <message>
        <source>The list in %1 cannot be read: %2</source>
        <translation>Die Liste in %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not valid JSON (%2 at character %3).</source>
        <translation>%1 ist kein gültiges JSON (%2 bei Zeichen %3).</translation>
    </message>
    <message>
        <source>%1 holds no object.</source>
        <translation>%1 enthält kein Objekt.</translation>
    </message>
    <message>
        <source>%1 has no format version.</source>
        <translation>%1 hat keine Formatversion.</translation>
    </message>
    <message>
        <source>its name is not text.</source>
        <translation>Sein Name ist kein Text.</translation>
    </message>
    <message>
        <source>%1 has no list of words.</source>
        <translation>%1 hat keine Wortliste.</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Wort %1 in %2</translation>
    </message>
    <message>
        <source>%1 has no text.</source>
        <translation>%1 hat keinen Text.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1: its recording &quot;%2&quot; lies outside the folder &quot;%3&quot;.</source>
        <translation>%1: Seine Aufnahme „%2“ liegt außerhalb des Ordners „%3“.</translation>
    </message>
    <message>
        <source>%1: its recording is not text.</source>
        <translation>%1: Seine Aufnahme ist kein Text.</translation>
    </message>
    <message>
        <source>it holds no words.</source>
        <translation>Es enthält keine Wörter.</translation>
    </message>
    <message>
        <source>%1 is not a Spelldeck package: it holds no %2.</source>
        <translation>%1 ist kein Spelldeck-Paket: Es enthält kein %2.</translation>
    </message>
    <message>
        <source>Word %1 of %2 (&quot;%3&quot;): its recording &quot;%4&quot; is missing from the package.</source>
        <translation>Wort %1 von %2 („%3“): Seine Aufnahme „%4“ fehlt im Paket.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has no words to export.</source>
        <translation>Die Liste „%1“ hat keine Wörter zum Exportieren.</translation>
    </message>
    <message>
        <source>The recording of &quot;%1&quot; (%2) is larger than a package may hold (%3 MB).</source>
        <translation>Die Aufnahme von „%1“ (%2) ist größer, als ein Paket fassen darf (%3 MB).</translation>
    </message>
    <message>
        <source>The recordings of &quot;%1&quot; are more than a package may hold (%2 files, %3 MB).</source>
        <translation>Die Aufnahmen von „%1“ sind mehr, als ein Paket fassen darf (%2 Dateien, %3 MB).</translation>
    </message>
    <message>
        <source>The new word&apos;s identifier could not be read back</source>
        <translation>Die Kennung des neuen Wortes konnte nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>There is no list &quot;%1&quot;.</source>
        <translation>Es gibt keine Liste „%1“.</translation>
    </message>
    <message>
        <source>%1 lists are named &quot;%2&quot;; give the id of one instead.</source>
        <translation>%1 Listen heißen „%2“; geben Sie stattdessen die Kennung einer davon an.</translation>
    </message>
    <message>
        <source>%1 holds a NUL character: it is not a text file.</source>
        <translation>%1 enthält ein NUL-Zeichen: Es ist keine Textdatei.</translation>
    </message>
    <message>
        <source>the pasted text</source>
        <translation>der eingefügte Text</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 is too large for a word list (more than %2 MB).</source>
        <translation>%1 ist zu groß für eine Wortliste (mehr als %2 MB).</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text: save the file as UTF-8 and try again.</source>
        <translation>%1 ist kein UTF-8-Text: Speichern Sie die Datei als UTF-8 und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1: the word is longer than %2 characters.</source>
        <translation>%1: Das Wort ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Reading and writing Spelldeck packages (libzip)</source>
        <translation>Das Lesen und Schreiben von Spelldeck-Paketen (libzip)</translation>
    </message>
    <message>
        <source>Reading and writing CSV files (libcsv)</source>
        <translation>Das Lesen und Schreiben von CSV-Dateien (libcsv)</translation>
    </message>
    <message>
        <source>%1 was refused: its entity &quot;%2&quot; expands to more than %3 characters.</source>
        <translation>%1 wurde abgelehnt: Seine Entität „%2“ ergibt mehr als %3 Zeichen.</translation>
    </message>
    <message>
        <source>%1 was refused: its entities expand to more than %2 characters in all.</source>
        <translation>%1 wurde abgelehnt: Seine Entitäten ergeben zusammen mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>it is in format %1, and this version of Spelldeck reads formats %2 to %3.</source>
        <translation>sie hat das Format %1, und diese Version von Spelldeck liest die Formate %2 bis %3.</translation>
    </message>
    <message>
        <source>%1: its sentence is not text.</source>
        <translation>%1: Sein Satz ist kein Text.</translation>
    </message>
    <message>
        <source>%1: the sentence holds a NUL character.</source>
        <translation>%1: Der Satz enthält ein NUL-Zeichen.</translation>
    </message>
    <message>
        <source>%1: the sentence is longer than %2 characters.</source>
        <translation>%1: Der Satz ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>%1: the word holds a NUL character.</source>
        <translation>%1: Das Wort enthält ein NUL-Zeichen.</translation>
    </message>
</context>
<context>
    <name>FileNameEdit</name>
    <message>
        <source>Browse (Alt+Down)</source>
        <translation>Durchsuchen (Alt+Unten)</translation>
    </message>
</context>
<context>
    <name>FliteVoices</name>
    <message>
        <source>English (America)</source>
        <translation>Englisch (Amerika)</translation>
    </message>
    <message>
        <source>clear, male</source>
        <translation>deutlich, männlich</translation>
    </message>
    <message>
        <source>steady, male</source>
        <translation>gleichmäßig, männlich</translation>
    </message>
    <message>
        <source>English (Scotland)</source>
        <translation>Englisch (Schottland)</translation>
    </message>
    <message>
        <source>male</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>female</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>Flite, the clearer English voices,</source>
        <translation>Flite, die deutlicheren englischen Stimmen,</translation>
    </message>
    <message>
        <source>The voice</source>
        <translation>Die Stimme</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; is not available.</source>
        <translation>Die Stimme „%1“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The speech engine could not speak &quot;%1&quot;.</source>
        <translation>Die Sprachsynthese konnte „%1“ nicht sprechen.</translation>
    </message>
</context>
<context>
    <name>LazyLibrary</name>
    <message>
        <source>%1 is not available: %2</source>
        <translation>%1 ist nicht verfügbar: %2</translation>
    </message>
    <message>
        <source>%1 is not available: %2 has no function %3</source>
        <translation>%1 ist nicht verfügbar: %2 hat keine Funktion %3</translation>
    </message>
</context>
<context>
    <name>LearnerMenu</name>
    <message>
        <source>Learner</source>
        <translation>Lernende(r)</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>Results are not kept.</source>
        <translation>Ergebnisse werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Results are kept for %1.</source>
        <translation>Ergebnisse werden für %1 gespeichert.</translation>
    </message>
    <message>
        <source>Nobody (results not kept)</source>
        <translation>Niemand (Ergebnisse werden nicht gespeichert)</translation>
    </message>
    <message>
        <source>New learner...</source>
        <translation>Neue(r) Lernende(r)...</translation>
    </message>
    <message>
        <source>The person logged in</source>
        <translation>Die angemeldete Person</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Practise the words due...</source>
        <translation>Fällige Wörter üben...</translation>
    </message>
    <message>
        <source>New learner</source>
        <translation>Neue(r) Lernende(r)</translation>
    </message>
    <message>
        <source>Name of the new learner:</source>
        <translation>Name der oder des neuen Lernenden:</translation>
    </message>
    <message>
        <source>The learner &quot;%1&quot; is no longer in the database, so results are not kept. Choose a learner with the button at the top of the main window.</source>
        <translation>„%1“ ist nicht mehr in der Datenbank, daher werden keine Ergebnisse gespeichert. Wählen Sie mit der Schaltfläche oben im Hauptfenster, für wen sie gespeichert werden.</translation>
    </message>
    <message>
        <source>Results are not kept: %1</source>
        <translation>Ergebnisse werden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>One answer of this test could not be kept: %1</source>
        <translation>Eine Antwort dieses Tests konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 answers of this test could not be kept: %2</source>
        <translation>%1 Antworten dieses Tests konnten nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No words are due for practice now.</source>
        <translation>Zurzeit sind keine Wörter zum Üben fällig.</translation>
    </message>
    <message>
        <source>Words due from every list</source>
        <translation>Fällige Wörter aus allen Listen</translation>
    </message>
    <message>
        <source>Words due from %1</source>
        <translation>Fällige Wörter aus %1</translation>
    </message>
</context>
<context>
    <name>Microphone</name>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Es wurde kein Mikrofon gefunden.</translation>
    </message>
    <message>
        <source>The microphone went away while recording.</source>
        <translation>Das Mikrofon ist während der Aufnahme verschwunden.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <source>The folder &quot;%1&quot; for recordings cannot be made.</source>
        <translation>Der Ordner „%1“ für Aufnahmen kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>No recording can be written in the folder &quot;%1&quot;: %2</source>
        <translation>Im Ordner „%1“ kann keine Aufnahme geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The recording could not be written in the folder &quot;%1&quot;: %2</source>
        <translation>Die Aufnahme konnte nicht in den Ordner „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The recording could not be stored in the folder &quot;%1&quot;: %2</source>
        <translation>Die Aufnahme konnte nicht im Ordner „%1“ abgelegt werden: %2</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many recordings named &quot;%2&quot;.</source>
        <translation>Der Ordner „%1“ enthält zu viele Aufnahmen namens „%2“.</translation>
    </message>
</context>
<context>
    <name>Recordings</name>
    <message>
        <source>Cannot keep the recording in &quot;%1&quot;: %2</source>
        <translation>Die Aufnahme kann nicht in „%1“ abgelegt werden: %2</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; is larger than %2 MB and is not kept.</source>
        <translation>Die Aufnahme „%1“ ist größer als %2 MB und wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Cannot read the recording &quot;%1&quot;: %2</source>
        <translation>Die Aufnahme „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The recording %1 in the database is damaged.</source>
        <translation>Die Aufnahme %1 in der Datenbank ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>none asked</source>
        <translation>keines abgefragt</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>ResultStore</name>
    <message>
        <source>This database was made by a newer version of Spelldeck, so this one keeps no results in it. The word lists can be used as always.</source>
        <translation>Diese Datenbank wurde von einer neueren Version von Spelldeck angelegt, daher speichert diese Version keine Ergebnisse darin. Die Wortlisten können wie immer verwendet werden.</translation>
    </message>
    <message>
        <source>Results are not kept for now: another program is using the database (%1).</source>
        <translation>Ergebnisse werden vorerst nicht gespeichert: Ein anderes Programm verwendet die Datenbank (%1).</translation>
    </message>
    <message>
        <source>Results are not kept: the database cannot be written (%1). The word lists can be used as always.</source>
        <translation>Ergebnisse werden nicht gespeichert: In die Datenbank kann nicht geschrieben werden (%1). Die Wortlisten können wie immer verwendet werden.</translation>
    </message>
    <message>
        <source>Results are not kept: %1</source>
        <translation>Ergebnisse werden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>A learner needs a name.</source>
        <translation>Lernende brauchen einen Namen.</translation>
    </message>
    <message>
        <source>There is a learner named &quot;%1&quot; already.</source>
        <translation>Es gibt schon Lernende mit dem Namen „%1“.</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2-mal)</translation>
    </message>
    <message>
        <source>Spelling results of %1</source>
        <translation>Rechtschreibergebnisse von %1</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>%1 (practice)</source>
        <translation>%1 (Übung)</translation>
    </message>
    <message>
        <source>left early</source>
        <translation>vorzeitig beendet</translation>
    </message>
    <message>
        <source>No test in this period.</source>
        <translation>Kein Test in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>One test, %1% right at the first try.</source>
        <translation>Ein Test, %1 % beim ersten Versuch richtig.</translation>
    </message>
    <message>
        <source>%1 tests, %2% right at the first try on average.</source>
        <translation>%1 Tests, im Mittel %2 % beim ersten Versuch richtig.</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>First-pass score</source>
        <translation>Erster Durchgang</translation>
    </message>
    <message>
        <source>Passes needed</source>
        <translation>Benötigte Durchgänge</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Words missed</source>
        <translation>Verfehlte Wörter</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Abgefragt</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verfehlt</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Fehlerquote</translation>
    </message>
    <message>
        <source>Last missed</source>
        <translation>Zuletzt verfehlt</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Stattdessen getippt</translation>
    </message>
    <message>
        <source>Spelling results</source>
        <translation>Rechtschreibergebnisse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>Right at the first try</source>
        <translation>Beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>First-pass score, the mean of each day&apos;s tests</source>
        <translation>Erster Durchgang, Mittel der Tests jedes Tages</translation>
    </message>
    <message>
        <source>First-pass score of each test</source>
        <translation>Erster Durchgang jedes Tests</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The database settings in &quot;%1&quot; cannot be read.</source>
        <translation>Die Datenbankeinstellungen in &quot;%1&quot; können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the file is not in the settings format</source>
        <translation>die Datei hat nicht das Format einer Einstellungsdatei</translation>
    </message>
    <message>
        <source>passwords are not kept here; put them in ~/.pgpass or the service file</source>
        <translation>Passwörter gehören nicht hierher, sondern in ~/.pgpass oder die Dienstdatei</translation>
    </message>
    <message>
        <source>this key is not one Spelldeck knows</source>
        <translation>diesen Schlüssel kennt Spelldeck nicht</translation>
    </message>
    <message>
        <source>no driver is named; it must be sqlite or postgresql</source>
        <translation>es ist kein Treiber genannt; er muss sqlite oder postgresql sein</translation>
    </message>
    <message>
        <source>the driver &quot;%1&quot; is unknown; it must be sqlite or postgresql</source>
        <translation>der Treiber &quot;%1&quot; ist unbekannt; er muss sqlite oder postgresql sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number</source>
        <translation>&quot;%1&quot; ist keine Portnummer</translation>
    </message>
    <message>
        <source>the server&apos;s database is named neither by a service nor by a name</source>
        <translation>die Datenbank des Servers ist weder durch einen Dienst noch durch einen Namen angegeben</translation>
    </message>
    <message>
        <source>The database settings in &quot;%1&quot; cannot be used: %2 (key &quot;%3&quot;).</source>
        <translation>Die Datenbankeinstellungen in &quot;%1&quot; sind nicht verwendbar: %2 (Schlüssel &quot;%3&quot;).</translation>
    </message>
</context>
<context>
    <name>Synthesizer</name>
    <message>
        <source>Speech synthesis is not available: its data (espeak-ng-data) is missing from &quot;%1&quot;.</source>
        <translation>Die Sprachausgabe ist nicht verfügbar: Ihre Daten (espeak-ng-data) fehlen in „%1“.</translation>
    </message>
    <message>
        <source>Speech synthesis is not available: the speech engine could not be started.</source>
        <translation>Die Sprachausgabe ist nicht verfügbar: Die Sprachsynthese konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; is not available.</source>
        <translation>Die Stimme „%1“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The speech engine could not speak &quot;%1&quot;.</source>
        <translation>Die Sprachsynthese konnte „%1“ nicht sprechen.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Spelldeck</source>
        <translation>Spelldeck</translation>
    </message>
    <message>
        <source>Release V1.0.0</source>
        <translation>Version V1.0.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Spelldeck developers</source>
        <translation>Copyright (C) 2026 Die Spelldeck-Entwickler</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMediaPlayer</name>
    <message>
        <source>Sound playback</source>
        <translation>Die Tonwiedergabe</translation>
    </message>
    <message>
        <source>No sound file was named to open.</source>
        <translation>Es wurde keine Tondatei zum Öffnen angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation>„%1“ ist ein Ordner, keine Tondatei.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; does not exist.</source>
        <translation>Die Tondatei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Tondatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>No sound device can be opened to play &quot;%1&quot;.</source>
        <translation>Es kann kein Tongerät geöffnet werden, um „%1“ abzuspielen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound file this program can play.</source>
        <translation>„%1“ ist keine Tondatei, die dieses Programm abspielen kann.</translation>
    </message>
    <message>
        <source>No MCI device open</source>
        <translation>Kein MCI-Gerät geöffnet</translation>
    </message>
</context>
<context>
    <name>TfrmAddMany</name>
    <message>
        <source>Add many words</source>
        <translation>Viele Wörter hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Words, one on each line:</source>
        <translation>&amp;Wörter, eines pro Zeile:</translation>
    </message>
    <message>
        <source>Blank lines are skipped and the blanks around each word are dropped.</source>
        <translation>Leere Zeilen werden übersprungen, Leerzeichen um jedes Wort entfernt.</translation>
    </message>
    <message>
        <source>From &amp;recordings...</source>
        <translation>Aus &amp;Aufnahmen...</translation>
    </message>
    <message>
        <source>From &amp;file...</source>
        <translation>Aus &amp;Datei...</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;Vorschau:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Speak the words that have no recording</source>
        <translation>Die Wörter ohne Aufnahme sprechen lassen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)|*.mp3</source>
        <translation>MP3-Datei(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>From %1 recordings</source>
        <translation>Aus %1 Aufnahmen</translation>
    </message>
    <message>
        <source>Word lists|*.txt;*.csv;*.tsv;*.tab;*.kvtml;*.spelldeck|All files|*</source>
        <translation>Wortlisten|*.txt;*.csv;*.tsv;*.tab;*.kvtml;*.spelldeck|Alle Dateien|*</translation>
    </message>
    <message>
        <source>From &quot;%1&quot;</source>
        <translation>Aus „%1“</translation>
    </message>
    <message>
        <source>found</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>will be spoken</source>
        <translation>wird gesprochen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Speaking the words...</source>
        <translation>Die Wörter werden gesprochen...</translation>
    </message>
    <message>
        <source>Adding the words...</source>
        <translation>Die Wörter werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>TfrmCorrect</name>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Sorry, that was incorrect. The correct word is:</source>
        <translation>Das war leider falsch. Das richtige Wort ist:</translation>
    </message>
    <message>
        <source>The word you entered was:</source>
        <translation>Sie haben eingegeben:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TfrmCreate</name>
    <message>
        <source>Create new spelldeck</source>
        <translation>Neues Spelldeck anlegen</translation>
    </message>
    <message>
        <source>Please enter the name of the new spelldeck:</source>
        <translation>Bitte geben Sie den Namen des neuen Spelldecks ein:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Wort:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)|*.mp3</source>
        <translation>MP3-Datei(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Creating spelldeck: </source>
        <translation>Spelldeck anlegen: </translation>
    </message>
    <message>
        <source>Editing spelldeck: </source>
        <translation>Spelldeck bearbeiten: </translation>
    </message>
    <message>
        <source>The new word&apos;s identifier could not be read back</source>
        <translation>Die Kennung des neuen Wortes konnte nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently delete this word?</source>
        <translation>Soll dieses Wort wirklich endgültig gelöscht werden?</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Stimme:</translation>
    </message>
    <message>
        <source>The voice that speaks the words</source>
        <translation>Die Stimme, die die Wörter spricht</translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <translation>S&amp;prechen</translation>
    </message>
    <message>
        <source>Make the recording of the word with the chosen voice</source>
        <translation>Die Aufnahme des Wortes mit der gewählten Stimme machen</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Aufnahme...</translation>
    </message>
    <message>
        <source>Record the word from the microphone</source>
        <translation>Das Wort mit dem Mikrofon aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <translation>An&amp;hören</translation>
    </message>
    <message>
        <source>Play the recording</source>
        <translation>Die Aufnahme abspielen</translation>
    </message>
    <message>
        <source>No recording found</source>
        <translation>Keine Aufnahme gefunden</translation>
    </message>
    <message>
        <source>No recording was found at &quot;%1&quot;.</source>
        <translation>Unter „%1“ wurde keine Aufnahme gefunden.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Add &amp;many words...</source>
        <translation>&amp;Viele Wörter...</translation>
    </message>
    <message>
        <source>Add words typed, pasted, or read from recordings or a word list file</source>
        <translation>Wörter getippt, eingefügt oder aus Aufnahmen oder einer Wortlisten-Datei hinzufügen</translation>
    </message>
    <message>
        <source>E&amp;xport list...</source>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the list with its recordings as one file to share</source>
        <translation>Die Liste mit ihren Aufnahmen als eine Datei zum Weitergeben schreiben</translation>
    </message>
    <message>
        <source>Spelldeck lists|*.spelldeck</source>
        <translation>Spelldeck-Listen|*.spelldeck</translation>
    </message>
    <message>
        <source>list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Exporting the list...</source>
        <translation>Die Liste wird exportiert...</translation>
    </message>
    <message>
        <source>%1 words were exported to &quot;%2&quot;.</source>
        <translation>%1 Wörter wurden nach „%2“ exportiert.</translation>
    </message>
    <message>
        <source>%1 words were exported to &quot;%2&quot;; %3 of them without a recording, since none was found.</source>
        <translation>%1 Wörter wurden nach „%2“ exportiert, %3 davon ohne Aufnahme, da keine gefunden wurde.</translation>
    </message>
    <message>
        <source>Clearer English voices are not installed (Flite)</source>
        <translation>Deutlichere englische Stimmen sind nicht installiert (Flite)</translation>
    </message>
    <message>
        <source>Se&amp;ntence:</source>
        <translation>Sa&amp;tz:</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>A sentence with the word, for words that sound like others: Speak then says the word, the sentence and the word again</source>
        <translation>Ein Satz mit dem Wort, für Wörter, die wie andere klingen: Sprechen sagt dann das Wort, den Satz und noch einmal das Wort</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Spelldeck</source>
        <translation>Spelldeck</translation>
    </message>
    <message>
        <source>Norvane Spelldeck</source>
        <translation>Norvane Spelldeck</translation>
    </message>
    <message>
        <source>V1.0.0</source>
        <translation>V1.0.0</translation>
    </message>
    <message>
        <source>Test Spelldeck</source>
        <translation>Spelldeck testen</translation>
    </message>
    <message>
        <source>Create Spelldeck</source>
        <translation>Spelldeck anlegen</translation>
    </message>
    <message>
        <source>Edit Spelldeck</source>
        <translation>Spelldeck bearbeiten</translation>
    </message>
    <message>
        <source>ABout</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>TfrmPractice</name>
    <message>
        <source>Practise the words due</source>
        <translation>Fällige Wörter üben</translation>
    </message>
    <message>
        <source>Practise the words due from:</source>
        <translation>Fällige Wörter üben aus:</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Practise the words due for %1 from:</source>
        <translation>Fällige Wörter von %1 üben aus:</translation>
    </message>
    <message>
        <source>every list</source>
        <translation>allen Listen</translation>
    </message>
    <message>
        <source>Every list (%1 due)</source>
        <translation>Alle Listen (%1 fällig)</translation>
    </message>
    <message>
        <source>%1 (%2 due)</source>
        <translation>%1 (%2 fällig)</translation>
    </message>
    <message>
        <source>The %1 most overdue of them are asked.</source>
        <translation>Die %1 am längsten fälligen davon werden abgefragt.</translation>
    </message>
    <message>
        <source>All of them are asked, the most overdue first.</source>
        <translation>Alle werden abgefragt, die am längsten fälligen zuerst.</translation>
    </message>
    <message>
        <source>No words are due for practice now.</source>
        <translation>Zurzeit sind keine Wörter zum Üben fällig.</translation>
    </message>
</context>
<context>
    <name>TfrmRecord</name>
    <message>
        <source>Record the word</source>
        <translation>Das Wort aufnehmen</translation>
    </message>
    <message>
        <source>Press Record (or Space), say the word, then Stop.</source>
        <translation>Drücken Sie Aufnehmen (oder Leertaste), sprechen Sie das Wort, dann Stopp.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Mikrofonpegel</translation>
    </message>
    <message>
        <source>0.0 s</source>
        <translation>0.0 s</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>TfrmResults</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <translation>&amp;Lernende(r):</translation>
    </message>
    <message>
        <source>L&amp;ist:</source>
        <translation>L&amp;iste:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>&amp;Rename learner...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>Re&amp;move learner...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Als CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Lernende(r)</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>First-pass score</source>
        <translation>Erster Durchgang</translation>
    </message>
    <message>
        <source>Passes needed</source>
        <translation>Benötigte Durchgänge</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Abgefragt</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verfehlt</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Fehlerquote</translation>
    </message>
    <message>
        <source>Last missed</source>
        <translation>Zuletzt verfehlt</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Stattdessen getippt</translation>
    </message>
    <message>
        <source>Tests by date</source>
        <translation>Tests nach Datum</translation>
    </message>
    <message>
        <source>Words, most missed first</source>
        <translation>Wörter, die meistverfehlten zuerst</translation>
    </message>
    <message>
        <source>First-pass scores of the chart</source>
        <translation>Werte des Diagramms (erster Durchgang)</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>All learners</source>
        <translation>Alle Lernenden</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>Alle Listen</translation>
    </message>
    <message>
        <source>%1 (practice)</source>
        <translation>%1 (Übung)</translation>
    </message>
    <message>
        <source>left early</source>
        <translation>vorzeitig beendet</translation>
    </message>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2-mal)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>No test in this period.</source>
        <translation>Kein Test in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>One test, %1% right at the first try; %2 words asked, %3 of them missed at least once.</source>
        <translation>Ein Test, %1 % beim ersten Versuch richtig; %2 Wörter abgefragt, %3 davon mindestens einmal verfehlt.</translation>
    </message>
    <message>
        <source>%1 tests, %2% right at the first try on average; %3 words asked, %4 of them missed at least once.</source>
        <translation>%1 Tests, im Mittel %2 % beim ersten Versuch richtig; %3 Wörter abgefragt, %4 davon mindestens einmal verfehlt.</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Vom %1 bis zum %2</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Liste: %1</translation>
    </message>
    <message>
        <source>Every list</source>
        <translation>Alle Listen</translation>
    </message>
    <message>
        <source>Rename learner</source>
        <translation>Lernende(n) umbenennen</translation>
    </message>
    <message>
        <source>New name of the learner:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Remove the learner &quot;%1&quot; and every result of theirs? This cannot be undone.</source>
        <translation>„%1“ und alle Ergebnisse entfernen? Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>CSV files|*.csv</source>
        <translation>CSV-Dateien|*.csv</translation>
    </message>
    <message>
        <source>spelling results.csv</source>
        <translation>Rechtschreibergebnisse.csv</translation>
    </message>
    <message>
        <source>Exporting the answers...</source>
        <translation>Die Antworten werden exportiert...</translation>
    </message>
    <message>
        <source>One answer was exported to %1.</source>
        <translation>Eine Antwort wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>%1 answers were exported to %2.</source>
        <translation>%1 Antworten wurden nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Spelling results</source>
        <translation>Rechtschreibergebnisse</translation>
    </message>
    <message>
        <source>Print the results</source>
        <translation>Ergebnisse drucken</translation>
    </message>
    <message>
        <source>PDF files|*.pdf</source>
        <translation>PDF-Dateien|*.pdf</translation>
    </message>
    <message>
        <source>spelling results.pdf</source>
        <translation>Rechtschreibergebnisse.pdf</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>Der Bericht wurde in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>TfrmSelected</name>
    <message>
        <source>Select a list</source>
        <translation>Liste auswählen</translation>
    </message>
    <message>
        <source>Word list:</source>
        <translation>Wortliste:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently delete this list?</source>
        <translation>Soll diese Liste wirklich endgültig gelöscht werden?</translation>
    </message>
    <message>
        <source>Please enter the name of the new spelldeck:</source>
        <translation>Bitte geben Sie den Namen des neuen Spelldecks ein:</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Wortliste</translation>
    </message>
</context>
<context>
    <name>TfrmTest</name>
    <message>
        <source>Test spelldeck - </source>
        <translation>Spelldeck testen - </translation>
    </message>
    <message>
        <source>Your spelling of the word</source>
        <translation>Ihre Schreibweise des Wortes</translation>
    </message>
    <message>
        <source>Play word</source>
        <translation>Wort abspielen</translation>
    </message>
    <message>
        <source>Check word</source>
        <translation>Wort prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The word lists are not open.</source>
        <translation>Die Wortlisten sind nicht geöffnet.</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Wort %1 von %2</translation>
    </message>
    <message>
        <source>You have finished all your words!
<byte value="xd"/>You didn&apos;t miss ANY words at all!</source>
        <translation>Sie haben alle Ihre Wörter geschafft!
<byte value="xd"/>Sie haben kein EINZIGES Wort verfehlt!</translation>
    </message>
    <message>
        <source>You have finished all your words!
<byte value="xd"/>You made %1 errors.</source>
        <translation>Sie haben alle Ihre Wörter geschafft!
<byte value="xd"/>Sie haben %1 Fehler gemacht.</translation>
    </message>
    <message>
        <source>Spelldeck</source>
        <translation>Spelldeck</translation>
    </message>
    <message>
        <source>Do you want to try the ones you missed over again?</source>
        <translation>Möchten Sie die verfehlten Wörter noch einmal versuchen?</translation>
    </message>
    <message>
        <source>Test spelldeck - %1</source>
        <translation>Spelldeck testen - %1</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>%1, %2</source>
        <comment>a voice&apos;s language, then how it sounds</comment>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
