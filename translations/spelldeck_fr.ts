<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Catalogue</name>
    <message>
        <source>&quot;%1&quot; is not a valid record identifier</source>
        <translation>« %1 » n’est pas un identifiant d’enregistrement valide</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The connection to the database server was lost (%1). The next step connects again.</source>
        <translation>La connexion au serveur de base de données a été perdue (%1). L’étape suivante se reconnecte.</translation>
    </message>
</context>
<context>
    <name>DataSet</name>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Champ « %1 » introuvable</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset</source>
        <translation>Cette opération est impossible sur un jeu de données fermé</translation>
    </message>
    <message>
        <source>Dataset not in edit or insert mode</source>
        <translation>Le jeu de données n’est ni en modification ni en insertion</translation>
    </message>
</context>
<context>
    <name>EListError</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>MP3 encoding</source>
        <translation>L’encodage MP3</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>L’encodeur MP3 n’a pas pu être démarré.</translation>
    </message>
    <message>
        <source>The MP3 encoder does not take sound at %1 Hz.</source>
        <translation>L’encodeur MP3 n’accepte pas le son à %1 Hz.</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (%1).</source>
        <translation>L’encodeur MP3 a échoué (%1).</translation>
    </message>
    <message>
        <source>Nothing was heard. Check the microphone.</source>
        <translation>Rien n’a été entendu. Vérifiez le microphone.</translation>
    </message>
    <message>
        <source>The voice says nothing for this text.</source>
        <translation>La voix ne dit rien pour ce texte.</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>%1: a quote is out of place (a field with quotes must start and end with one).</source>
        <translation>%1 : un guillemet est mal placé (un champ entre guillemets doit commencer et finir par un guillemet).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1: a quoted field is never closed.</source>
        <translation>%1 : un champ entre guillemets n’est jamais fermé.</translation>
    </message>
    <message>
        <source>%1: the first column holds no word.</source>
        <translation>%1 : la première colonne ne contient aucun mot.</translation>
    </message>
    <message>
        <source>There are no words in %1.</source>
        <translation>Il n’y a aucun mot dans %1.</translation>
    </message>
    <message>
        <source>%1 is not a KVTML 2 vocabulary file (its version is &quot;%2&quot;).</source>
        <translation>%1 n’est pas un fichier de vocabulaire KVTML 2 (sa version est « %2 »).</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML: %2 (line %3, column %4).</source>
        <translation>%1 n’est pas du XML bien formé : %2 (ligne %3, colonne %4).</translation>
    </message>
    <message>
        <source>%1 is not a KVTML vocabulary file.</source>
        <translation>%1 n’est pas un fichier de vocabulaire KVTML.</translation>
    </message>
    <message>
        <source>There are no entries in %1.</source>
        <translation>Il n’y a aucune entrée dans %1.</translation>
    </message>
    <message>
        <source>%1 declares no language.</source>
        <translation>%1 ne déclare aucune langue.</translation>
    </message>
    <message>
        <source>%1 has no language with the id &quot;%2&quot;.</source>
        <translation>%1 n’a pas de langue d’identifiant « %2 ».</translation>
    </message>
    <message>
        <source>Entry %1 of %2</source>
        <translation>L’entrée %1 de %2</translation>
    </message>
    <message>
        <source>There are no words in %1 in the language &quot;%2&quot;.</source>
        <translation>Il n’y a aucun mot dans %1 dans la langue « %2 ».</translation>
    </message>
    <message>
        <source>%1 is not a Spelldeck package: it is no ZIP archive.</source>
        <translation>%1 n’est pas un paquet Spelldeck : ce n’est pas une archive ZIP.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: the end of the archive is missing.</source>
        <translation>%1 est endommagé ou incomplet : la fin de l’archive manque.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: %2.</source>
        <translation>%1 est endommagé ou incomplet : %2.</translation>
    </message>
    <message>
        <source>%1 was refused: %2</source>
        <translation>%1 a été refusé : %2</translation>
    </message>
    <message>
        <source>it holds more than %1 files.</source>
        <translation>il contient plus de %1 fichiers.</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; lies outside the folder &quot;%2&quot;.</source>
        <translation>son fichier « %1 » est hors du dossier « %2 ».</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is a symbolic link.</source>
        <translation>son fichier « %1 » est un lien symbolique.</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is encrypted.</source>
        <translation>son fichier « %1 » est chiffré.</translation>
    </message>
    <message>
        <source>it holds the file &quot;%1&quot; twice.</source>
        <translation>il contient deux fois le fichier « %1 ».</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is larger than %2.</source>
        <translation>son fichier « %1 » dépasse %2.</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is compressed more than %2 to 1.</source>
        <translation>son fichier « %1 » est compressé à plus de %2 pour 1.</translation>
    </message>
    <message>
        <source>its files hold more than %1 in all.</source>
        <translation>ses fichiers dépassent %1 en tout.</translation>
    </message>
    <message>
        <source>%1 holds no file &quot;%2&quot;.</source>
        <translation>%1 ne contient pas de fichier « %2 ».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; in %2 cannot be read: %3.</source>
        <translation>Le fichier « %1 » de %2 ne peut pas être lu : %3.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: the file &quot;%2&quot; cannot be read (%3).</source>
        <translation>%1 est endommagé ou incomplet : le fichier « %2 » ne peut pas être lu (%3).</translation>
    </message>
    <message>
        <source>The list in %1 cannot be read: %2</source>
        <translation>La liste de %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>%1 is not valid JSON (%2 at character %3).</source>
        <translation>%1 n’est pas du JSON valide (%2 au caractère %3).</translation>
    </message>
    <message>
        <source>%1 holds no object.</source>
        <translation>%1 ne contient aucun objet.</translation>
    </message>
    <message>
        <source>%1 has no format version.</source>
        <translation>%1 n’a pas de version de format.</translation>
    </message>
    <message>
        <source>its name is not text.</source>
        <translation>son nom n’est pas du texte.</translation>
    </message>
    <message>
        <source>%1 has no list of words.</source>
        <translation>%1 n’a pas de liste de mots.</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Mot %1 de %2</translation>
    </message>
    <message>
        <source>%1 has no text.</source>
        <translation>%1 n’a pas de texte.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1: its recording &quot;%2&quot; lies outside the folder &quot;%3&quot;.</source>
        <translation>%1 : son enregistrement « %2 » est hors du dossier « %3 ».</translation>
    </message>
    <message>
        <source>%1: its recording is not text.</source>
        <translation>%1 : son enregistrement n’est pas du texte.</translation>
    </message>
    <message>
        <source>it holds no words.</source>
        <translation>il ne contient aucun mot.</translation>
    </message>
    <message>
        <source>%1 is not a Spelldeck package: it holds no %2.</source>
        <translation>%1 n’est pas un paquet Spelldeck : il ne contient pas de %2.</translation>
    </message>
    <message>
        <source>Word %1 of %2 (&quot;%3&quot;): its recording &quot;%4&quot; is missing from the package.</source>
        <translation>Mot %1 de %2 (« %3 ») : son enregistrement « %4 » manque dans le paquet.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has no words to export.</source>
        <translation>La liste « %1 » n’a aucun mot à exporter.</translation>
    </message>
    <message>
        <source>The recording of &quot;%1&quot; (%2) is larger than a package may hold (%3 MB).</source>
        <translation>L’enregistrement de « %1 » (%2) dépasse ce qu’un paquet peut contenir (%3 Mo).</translation>
    </message>
    <message>
        <source>The recordings of &quot;%1&quot; are more than a package may hold (%2 files, %3 MB).</source>
        <translation>Les enregistrements de « %1 » dépassent ce qu’un paquet peut contenir (%2 fichiers, %3 Mo).</translation>
    </message>
    <message>
        <source>The new word&apos;s identifier could not be read back</source>
        <translation>L’identifiant du nouveau mot n’a pas pu être relu</translation>
    </message>
    <message>
        <source>There is no list &quot;%1&quot;.</source>
        <translation>Il n’y a pas de liste « %1 ».</translation>
    </message>
    <message>
        <source>%1 lists are named &quot;%2&quot;; give the id of one instead.</source>
        <translation>%1 listes s’appellent « %2 » ; donnez plutôt l’identifiant de l’une d’elles.</translation>
    </message>
    <message>
        <source>%1 holds a NUL character: it is not a text file.</source>
        <translation>%1 contient un caractère NUL : ce n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>the pasted text</source>
        <translation>le texte collé</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Ligne %1 de %2</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n’est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is too large for a word list (more than %2 MB).</source>
        <translation>%1 est trop gros pour une liste de mots (plus de %2 Mo).</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text: save the file as UTF-8 and try again.</source>
        <translation>%1 n’est pas du texte UTF-8 : enregistrez le fichier en UTF-8 et réessayez.</translation>
    </message>
    <message>
        <source>%1: the word is longer than %2 characters.</source>
        <translation>%1 : le mot dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>Reading and writing Spelldeck packages (libzip)</source>
        <translation>La lecture et l’écriture des paquets Spelldeck (libzip)</translation>
    </message>
    <message>
        <source>Reading and writing CSV files (libcsv)</source>
        <translation>La lecture et l’écriture des fichiers CSV (libcsv)</translation>
    </message>
    <message>
        <source>%1 was refused: its entity &quot;%2&quot; expands to more than %3 characters.</source>
        <translation>%1 a été refusé : son entité « %2 » donne plus de %3 caractères.</translation>
    </message>
    <message>
        <source>%1 was refused: its entities expand to more than %2 characters in all.</source>
        <translation>%1 a été refusé : ses entités donnent en tout plus de %2 caractères.</translation>
    </message>
    <message>
        <source>it is in format %1, and this version of Spelldeck reads formats %2 to %3.</source>
        <translation>il est au format %1, et cette version de Spelldeck lit les formats %2 à %3.</translation>
    </message>
    <message>
        <source>%1: its sentence is not text.</source>
        <translation>%1 : sa phrase n’est pas du texte.</translation>
    </message>
    <message>
        <source>%1: the sentence holds a NUL character.</source>
        <translation>%1 : la phrase contient un caractère NUL.</translation>
    </message>
    <message>
        <source>%1: the sentence is longer than %2 characters.</source>
        <translation>%1 : la phrase dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>%1: the word holds a NUL character.</source>
        <translation>%1 : le mot contient un caractère NUL.</translation>
    </message>
</context>
<context>
    <name>FileNameEdit</name>
    <message>
        <source>Browse (Alt+Down)</source>
        <translation>Parcourir (Alt+Bas)</translation>
    </message>
</context>
<context>
    <name>FliteVoices</name>
    <message>
        <source>English (America)</source>
        <translation>Anglais (Amérique)</translation>
    </message>
    <message>
        <source>clear, male</source>
        <translation>clair, masculin</translation>
    </message>
    <message>
        <source>steady, male</source>
        <translation>régulier, masculin</translation>
    </message>
    <message>
        <source>English (Scotland)</source>
        <translation>Anglais (Écosse)</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculin</translation>
    </message>
    <message>
        <source>female</source>
        <translation>féminin</translation>
    </message>
    <message>
        <source>Flite, the clearer English voices,</source>
        <translation>Flite, les voix anglaises plus claires,</translation>
    </message>
    <message>
        <source>The voice</source>
        <translation>La voix</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; is not available.</source>
        <translation>La voix « %1 » n’est pas disponible.</translation>
    </message>
    <message>
        <source>The speech engine could not speak &quot;%1&quot;.</source>
        <translation>Le moteur vocal n’a pas pu prononcer « %1 ».</translation>
    </message>
</context>
<context>
    <name>LazyLibrary</name>
    <message>
        <source>%1 is not available: %2</source>
        <translation>%1 n’est pas disponible : %2</translation>
    </message>
    <message>
        <source>%1 is not available: %2 has no function %3</source>
        <translation>%1 n’est pas disponible : %2 n’a pas de fonction %3</translation>
    </message>
</context>
<context>
    <name>LearnerMenu</name>
    <message>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Results are not kept.</source>
        <translation>Les résultats ne sont pas conservés.</translation>
    </message>
    <message>
        <source>Results are kept for %1.</source>
        <translation>Les résultats sont conservés pour %1.</translation>
    </message>
    <message>
        <source>Nobody (results not kept)</source>
        <translation>Personne (résultats non conservés)</translation>
    </message>
    <message>
        <source>New learner...</source>
        <translation>Nouvel élève...</translation>
    </message>
    <message>
        <source>The person logged in</source>
        <translation>La personne connectée</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Résultats...</translation>
    </message>
    <message>
        <source>Practise the words due...</source>
        <translation>S’exercer sur les mots à revoir...</translation>
    </message>
    <message>
        <source>New learner</source>
        <translation>Nouvel élève</translation>
    </message>
    <message>
        <source>Name of the new learner:</source>
        <translation>Nom du nouvel élève :</translation>
    </message>
    <message>
        <source>The learner &quot;%1&quot; is no longer in the database, so results are not kept. Choose a learner with the button at the top of the main window.</source>
        <translation>L’élève « %1 » n’est plus dans la base de données : les résultats ne sont donc pas conservés. Choisissez un élève avec le bouton en haut de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Results are not kept: %1</source>
        <translation>Les résultats ne sont pas conservés : %1</translation>
    </message>
    <message>
        <source>One answer of this test could not be kept: %1</source>
        <translation>Une réponse de ce test n’a pas pu être conservée : %1</translation>
    </message>
    <message>
        <source>%1 answers of this test could not be kept: %2</source>
        <translation>%1 réponses de ce test n’ont pas pu être conservées : %2</translation>
    </message>
    <message>
        <source>No words are due for practice now.</source>
        <translation>Aucun mot n’est à revoir pour l’instant.</translation>
    </message>
    <message>
        <source>Words due from every list</source>
        <translation>Mots à revoir de toutes les listes</translation>
    </message>
    <message>
        <source>Words due from %1</source>
        <translation>Mots à revoir de %1</translation>
    </message>
</context>
<context>
    <name>Microphone</name>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Aucun microphone n’a été trouvé.</translation>
    </message>
    <message>
        <source>The microphone went away while recording.</source>
        <translation>Le microphone a disparu pendant l’enregistrement.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <source>The folder &quot;%1&quot; for recordings cannot be made.</source>
        <translation>Le dossier « %1 » des enregistrements ne peut pas être créé.</translation>
    </message>
    <message>
        <source>No recording can be written in the folder &quot;%1&quot;: %2</source>
        <translation>Aucun enregistrement ne peut être écrit dans le dossier « %1 » : %2</translation>
    </message>
    <message>
        <source>The recording could not be written in the folder &quot;%1&quot;: %2</source>
        <translation>L’enregistrement n’a pas pu être écrit dans le dossier « %1 » : %2</translation>
    </message>
    <message>
        <source>The recording could not be stored in the folder &quot;%1&quot;: %2</source>
        <translation>L’enregistrement n’a pas pu être rangé dans le dossier « %1 » : %2</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many recordings named &quot;%2&quot;.</source>
        <translation>Le dossier « %1 » contient trop d’enregistrements nommés « %2 ».</translation>
    </message>
</context>
<context>
    <name>Recordings</name>
    <message>
        <source>Cannot keep the recording in &quot;%1&quot;: %2</source>
        <translation>Impossible de conserver l’enregistrement dans « %1 » : %2</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; is larger than %2 MB and is not kept.</source>
        <translation>L’enregistrement « %1 » dépasse %2 Mo et n’est pas conservé.</translation>
    </message>
    <message>
        <source>Cannot read the recording &quot;%1&quot;: %2</source>
        <translation>Impossible de lire l’enregistrement « %1 » : %2</translation>
    </message>
    <message>
        <source>The recording %1 in the database is damaged.</source>
        <translation>L’enregistrement %1 de la base de données est endommagé.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>none asked</source>
        <translation>aucun demandé</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 sur %2 (%3 %)</translation>
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
        <translation>Cette base de données a été créée par une version plus récente de Spelldeck : celle-ci n’y conserve donc aucun résultat. Les listes de mots s’utilisent comme toujours.</translation>
    </message>
    <message>
        <source>Results are not kept for now: another program is using the database (%1).</source>
        <translation>Les résultats ne sont pas conservés pour l’instant : un autre programme utilise la base de données (%1).</translation>
    </message>
    <message>
        <source>Results are not kept: the database cannot be written (%1). The word lists can be used as always.</source>
        <translation>Les résultats ne sont pas conservés : la base de données ne peut pas être écrite (%1). Les listes de mots s’utilisent comme toujours.</translation>
    </message>
    <message>
        <source>Results are not kept: %1</source>
        <translation>Les résultats ne sont pas conservés : %1</translation>
    </message>
    <message>
        <source>A learner needs a name.</source>
        <translation>Un élève a besoin d’un nom.</translation>
    </message>
    <message>
        <source>There is a learner named &quot;%1&quot; already.</source>
        <translation>Il y a déjà un élève nommé « %1 ».</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>« %1 » ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2 fois)</translation>
    </message>
    <message>
        <source>Spelling results of %1</source>
        <translation>Résultats d’orthographe de %1</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>%1 (practice)</source>
        <translation>%1 (exercice)</translation>
    </message>
    <message>
        <source>left early</source>
        <translation>arrêté avant la fin</translation>
    </message>
    <message>
        <source>No test in this period.</source>
        <translation>Aucun test sur cette période.</translation>
    </message>
    <message>
        <source>One test, %1% right at the first try.</source>
        <translation>Un test, %1 % de réponses justes du premier coup.</translation>
    </message>
    <message>
        <source>%1 tests, %2% right at the first try on average.</source>
        <translation>%1 tests, %2 % de réponses justes du premier coup en moyenne.</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>First-pass score</source>
        <translation>Score au premier passage</translation>
    </message>
    <message>
        <source>Passes needed</source>
        <translation>Passages nécessaires</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Words missed</source>
        <translation>Mots manqués</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Demandé</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manqué</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Taux d’erreur</translation>
    </message>
    <message>
        <source>Last missed</source>
        <translation>Dernière erreur</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Tapé à la place</translation>
    </message>
    <message>
        <source>Spelling results</source>
        <translation>Résultats d’orthographe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>« %1 » ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>Right at the first try</source>
        <translation>Justes du premier coup</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>First-pass score, the mean of each day&apos;s tests</source>
        <translation>Score au premier passage, moyenne des tests de chaque jour</translation>
    </message>
    <message>
        <source>First-pass score of each test</source>
        <translation>Score au premier passage de chaque test</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The database settings in &quot;%1&quot; cannot be read.</source>
        <translation>Les réglages de base de données de « %1 » ne peuvent pas être lus.</translation>
    </message>
    <message>
        <source>the file is not in the settings format</source>
        <translation>le fichier n’est pas au format des réglages</translation>
    </message>
    <message>
        <source>passwords are not kept here; put them in ~/.pgpass or the service file</source>
        <translation>les mots de passe n’ont pas leur place ici ; mettez-les dans ~/.pgpass ou le fichier de services</translation>
    </message>
    <message>
        <source>this key is not one Spelldeck knows</source>
        <translation>Spelldeck ne connaît pas cette clé</translation>
    </message>
    <message>
        <source>no driver is named; it must be sqlite or postgresql</source>
        <translation>aucun pilote n’est indiqué ; ce doit être sqlite ou postgresql</translation>
    </message>
    <message>
        <source>the driver &quot;%1&quot; is unknown; it must be sqlite or postgresql</source>
        <translation>le pilote « %1 » est inconnu ; ce doit être sqlite ou postgresql</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number</source>
        <translation>« %1 » n’est pas un numéro de port</translation>
    </message>
    <message>
        <source>the server&apos;s database is named neither by a service nor by a name</source>
        <translation>la base de données du serveur n’est indiquée ni par un service ni par un nom</translation>
    </message>
    <message>
        <source>The database settings in &quot;%1&quot; cannot be used: %2 (key &quot;%3&quot;).</source>
        <translation>Les réglages de base de données de « %1 » sont inutilisables : %2 (clé « %3 »).</translation>
    </message>
</context>
<context>
    <name>Synthesizer</name>
    <message>
        <source>Speech synthesis is not available: its data (espeak-ng-data) is missing from &quot;%1&quot;.</source>
        <translation>La synthèse vocale n’est pas disponible : ses données (espeak-ng-data) manquent dans « %1 ».</translation>
    </message>
    <message>
        <source>Speech synthesis is not available: the speech engine could not be started.</source>
        <translation>La synthèse vocale n’est pas disponible : le moteur vocal n’a pas pu être démarré.</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; is not available.</source>
        <translation>La voix « %1 » n’est pas disponible.</translation>
    </message>
    <message>
        <source>The speech engine could not speak &quot;%1&quot;.</source>
        <translation>Le moteur vocal n’a pas pu prononcer « %1 ».</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Copyright (C) 2026 Les développeurs de Spelldeck</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l’utilisateur</translation>
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
        <translation>La lecture du son</translation>
    </message>
    <message>
        <source>No sound file was named to open.</source>
        <translation>Aucun fichier son n’a été indiqué à ouvrir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation>« %1 » est un dossier, pas un fichier son.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier son « %1 » n’existe pas.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le fichier son « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>No sound device can be opened to play &quot;%1&quot;.</source>
        <translation>Aucun périphérique audio ne peut être ouvert pour lire « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound file this program can play.</source>
        <translation>« %1 » n’est pas un fichier son que ce programme sait lire.</translation>
    </message>
    <message>
        <source>No MCI device open</source>
        <translation>Aucun périphérique MCI ouvert</translation>
    </message>
</context>
<context>
    <name>TfrmAddMany</name>
    <message>
        <source>Add many words</source>
        <translation>Ajouter plusieurs mots</translation>
    </message>
    <message>
        <source>&amp;Words, one on each line:</source>
        <translation>&amp;Mots, un par ligne :</translation>
    </message>
    <message>
        <source>Blank lines are skipped and the blanks around each word are dropped.</source>
        <translation>Les lignes vides sont ignorées et les espaces autour des mots retirés.</translation>
    </message>
    <message>
        <source>From &amp;recordings...</source>
        <translation>&amp;Enregistrements...</translation>
    </message>
    <message>
        <source>From &amp;file...</source>
        <translation>&amp;Fichier...</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;Aperçu :</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Speak the words that have no recording</source>
        <translation>Faire prononcer les mots sans enregistrement</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)|*.mp3</source>
        <translation>Fichier MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>From %1 recordings</source>
        <translation>Depuis %1 enregistrements</translation>
    </message>
    <message>
        <source>Word lists|*.txt;*.csv;*.tsv;*.tab;*.kvtml;*.spelldeck|All files|*</source>
        <translation>Listes de mots|*.txt;*.csv;*.tsv;*.tab;*.kvtml;*.spelldeck|Tous les fichiers|*</translation>
    </message>
    <message>
        <source>From &quot;%1&quot;</source>
        <translation>Depuis « %1 »</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvé</translation>
    </message>
    <message>
        <source>will be spoken</source>
        <translation>sera prononcé</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Speaking the words...</source>
        <translation>Prononciation des mots...</translation>
    </message>
    <message>
        <source>Adding the words...</source>
        <translation>Ajout des mots...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>TfrmCorrect</name>
    <message>
        <source>Incorrect</source>
        <translation>Incorrect</translation>
    </message>
    <message>
        <source>Sorry, that was incorrect. The correct word is:</source>
        <translation>Désolé, c’était faux. Le mot correct est :</translation>
    </message>
    <message>
        <source>The word you entered was:</source>
        <translation>Vous avez saisi :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TfrmCreate</name>
    <message>
        <source>Create new spelldeck</source>
        <translation>Créer un spelldeck</translation>
    </message>
    <message>
        <source>Please enter the name of the new spelldeck:</source>
        <translation>Veuillez saisir le nom du nouveau spelldeck :</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>Words:</source>
        <translation>Mots :</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Mot :</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son :</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)|*.mp3</source>
        <translation>Fichier MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Creating spelldeck: </source>
        <translation>Création du spelldeck : </translation>
    </message>
    <message>
        <source>Editing spelldeck: </source>
        <translation>Modification du spelldeck : </translation>
    </message>
    <message>
        <source>The new word&apos;s identifier could not be read back</source>
        <translation>L’identifiant du nouveau mot n’a pas pu être relu</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently delete this word?</source>
        <translation>Voulez-vous vraiment supprimer définitivement ce mot ?</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix :</translation>
    </message>
    <message>
        <source>The voice that speaks the words</source>
        <translation>La voix qui prononce les mots</translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <translation>&amp;Prononcer</translation>
    </message>
    <message>
        <source>Make the recording of the word with the chosen voice</source>
        <translation>Faire l’enregistrement du mot avec la voix choisie</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Micro...</translation>
    </message>
    <message>
        <source>Record the word from the microphone</source>
        <translation>Enregistrer le mot au microphone</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>Play the recording</source>
        <translation>Écouter l’enregistrement</translation>
    </message>
    <message>
        <source>No recording found</source>
        <translation>Aucun enregistrement trouvé</translation>
    </message>
    <message>
        <source>No recording was found at &quot;%1&quot;.</source>
        <translation>Aucun enregistrement n’a été trouvé à « %1 ».</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Add &amp;many words...</source>
        <translation>Plusieurs &amp;mots...</translation>
    </message>
    <message>
        <source>Add words typed, pasted, or read from recordings or a word list file</source>
        <translation>Ajouter des mots tapés, collés, ou lus depuis des enregistrements ou un fichier de liste</translation>
    </message>
    <message>
        <source>E&amp;xport list...</source>
        <translation>E&amp;xporter la liste...</translation>
    </message>
    <message>
        <source>Write the list with its recordings as one file to share</source>
        <translation>Écrire la liste et ses enregistrements dans un seul fichier à partager</translation>
    </message>
    <message>
        <source>Spelldeck lists|*.spelldeck</source>
        <translation>Listes Spelldeck|*.spelldeck</translation>
    </message>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>Exporting the list...</source>
        <translation>Exportation de la liste...</translation>
    </message>
    <message>
        <source>%1 words were exported to &quot;%2&quot;.</source>
        <translation>%1 mots ont été exportés vers « %2 ».</translation>
    </message>
    <message>
        <source>%1 words were exported to &quot;%2&quot;; %3 of them without a recording, since none was found.</source>
        <translation>%1 mots ont été exportés vers « %2 », dont %3 sans enregistrement, faute d’en avoir trouvé un.</translation>
    </message>
    <message>
        <source>Clearer English voices are not installed (Flite)</source>
        <translation>Les voix anglaises plus claires ne sont pas installées (Flite)</translation>
    </message>
    <message>
        <source>Se&amp;ntence:</source>
        <translation>P&amp;hrase :</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>A sentence with the word, for words that sound like others: Speak then says the word, the sentence and the word again</source>
        <translation>Une phrase avec le mot, pour les mots qui se prononcent comme d’autres : Prononcer dit alors le mot, la phrase, puis le mot à nouveau</translation>
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
        <translation>Tester un spelldeck</translation>
    </message>
    <message>
        <source>Create Spelldeck</source>
        <translation>Créer un spelldeck</translation>
    </message>
    <message>
        <source>Edit Spelldeck</source>
        <translation>Modifier un spelldeck</translation>
    </message>
    <message>
        <source>ABout</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>TfrmPractice</name>
    <message>
        <source>Practise the words due</source>
        <translation>S’exercer sur les mots à revoir</translation>
    </message>
    <message>
        <source>Practise the words due from:</source>
        <translation>S’exercer sur les mots à revoir de :</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>S’exercer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Practise the words due for %1 from:</source>
        <translation>Mots à revoir de %1, à prendre dans :</translation>
    </message>
    <message>
        <source>every list</source>
        <translation>toutes les listes</translation>
    </message>
    <message>
        <source>Every list (%1 due)</source>
        <translation>Toutes les listes (%1 à revoir)</translation>
    </message>
    <message>
        <source>%1 (%2 due)</source>
        <translation>%1 (%2 à revoir)</translation>
    </message>
    <message>
        <source>The %1 most overdue of them are asked.</source>
        <translation>Les %1 plus en retard sont demandés.</translation>
    </message>
    <message>
        <source>All of them are asked, the most overdue first.</source>
        <translation>Tous sont demandés, les plus en retard d’abord.</translation>
    </message>
    <message>
        <source>No words are due for practice now.</source>
        <translation>Aucun mot n’est à revoir pour l’instant.</translation>
    </message>
</context>
<context>
    <name>TfrmRecord</name>
    <message>
        <source>Record the word</source>
        <translation>Enregistrer le mot</translation>
    </message>
    <message>
        <source>Press Record (or Space), say the word, then Stop.</source>
        <translation>Appuyez sur Enregistrer (ou Espace), dites le mot, puis Arrêter.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Niveau du microphone</translation>
    </message>
    <message>
        <source>0.0 s</source>
        <translation>0.0 s</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
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
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <translation>É&amp;lève :</translation>
    </message>
    <message>
        <source>L&amp;ist:</source>
        <translation>L&amp;iste :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>&amp;Rename learner...</source>
        <translation>&amp;Renommer l’élève...</translation>
    </message>
    <message>
        <source>Re&amp;move learner...</source>
        <translation>&amp;Supprimer l’élève...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en PD&amp;F...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>First-pass score</source>
        <translation>Score au premier passage</translation>
    </message>
    <message>
        <source>Passes needed</source>
        <translation>Passages nécessaires</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Demandé</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manqué</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Taux d’erreur</translation>
    </message>
    <message>
        <source>Last missed</source>
        <translation>Dernière erreur</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Tapé à la place</translation>
    </message>
    <message>
        <source>Tests by date</source>
        <translation>Tests par date</translation>
    </message>
    <message>
        <source>Words, most missed first</source>
        <translation>Mots, les plus manqués d’abord</translation>
    </message>
    <message>
        <source>First-pass scores of the chart</source>
        <translation>Scores au premier passage du graphique</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>All learners</source>
        <translation>Tous les élèves</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>Toutes les listes</translation>
    </message>
    <message>
        <source>%1 (practice)</source>
        <translation>%1 (exercice)</translation>
    </message>
    <message>
        <source>left early</source>
        <translation>arrêté avant la fin</translation>
    </message>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2 fois)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>No test in this period.</source>
        <translation>Aucun test sur cette période.</translation>
    </message>
    <message>
        <source>One test, %1% right at the first try; %2 words asked, %3 of them missed at least once.</source>
        <translation>Un test, %1 % de réponses justes du premier coup ; %2 mots demandés, dont %3 manqués au moins une fois.</translation>
    </message>
    <message>
        <source>%1 tests, %2% right at the first try on average; %3 words asked, %4 of them missed at least once.</source>
        <translation>%1 tests, %2 % de réponses justes du premier coup en moyenne ; %3 mots demandés, dont %4 manqués au moins une fois.</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Liste : %1</translation>
    </message>
    <message>
        <source>Every list</source>
        <translation>Toutes les listes</translation>
    </message>
    <message>
        <source>Rename learner</source>
        <translation>Renommer l’élève</translation>
    </message>
    <message>
        <source>New name of the learner:</source>
        <translation>Nouveau nom de l’élève :</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Remove the learner &quot;%1&quot; and every result of theirs? This cannot be undone.</source>
        <translation>Supprimer l’élève « %1 » et tous ses résultats ? Cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>CSV files|*.csv</source>
        <translation>Fichiers CSV|*.csv</translation>
    </message>
    <message>
        <source>spelling results.csv</source>
        <translation>résultats d’orthographe.csv</translation>
    </message>
    <message>
        <source>Exporting the answers...</source>
        <translation>Exportation des réponses...</translation>
    </message>
    <message>
        <source>One answer was exported to %1.</source>
        <translation>Une réponse a été exportée vers %1.</translation>
    </message>
    <message>
        <source>%1 answers were exported to %2.</source>
        <translation>%1 réponses ont été exportées vers %2.</translation>
    </message>
    <message>
        <source>Spelling results</source>
        <translation>Résultats d’orthographe</translation>
    </message>
    <message>
        <source>Print the results</source>
        <translation>Imprimer les résultats</translation>
    </message>
    <message>
        <source>PDF files|*.pdf</source>
        <translation>Fichiers PDF|*.pdf</translation>
    </message>
    <message>
        <source>spelling results.pdf</source>
        <translation>résultats d’orthographe.pdf</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>Le rapport a été enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>TfrmSelected</name>
    <message>
        <source>Select a list</source>
        <translation>Choisir une liste</translation>
    </message>
    <message>
        <source>Word list:</source>
        <translation>Liste de mots :</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently delete this list?</source>
        <translation>Voulez-vous vraiment supprimer définitivement cette liste ?</translation>
    </message>
    <message>
        <source>Please enter the name of the new spelldeck:</source>
        <translation>Veuillez saisir le nom du nouveau spelldeck :</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Liste de mots</translation>
    </message>
</context>
<context>
    <name>TfrmTest</name>
    <message>
        <source>Test spelldeck - </source>
        <translation>Test du spelldeck - </translation>
    </message>
    <message>
        <source>Your spelling of the word</source>
        <translation>Votre orthographe du mot</translation>
    </message>
    <message>
        <source>Play word</source>
        <translation>Écouter le mot</translation>
    </message>
    <message>
        <source>Check word</source>
        <translation>Vérifier le mot</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The word lists are not open.</source>
        <translation>Les listes de mots ne sont pas ouvertes.</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Mot %1 sur %2</translation>
    </message>
    <message>
        <source>You have finished all your words!
<byte value="xd"/>You didn&apos;t miss ANY words at all!</source>
        <translation>Vous avez fini tous vos mots !
<byte value="xd"/>Vous n’avez manqué AUCUN mot !</translation>
    </message>
    <message>
        <source>You have finished all your words!
<byte value="xd"/>You made %1 errors.</source>
        <translation>Vous avez fini tous vos mots !
<byte value="xd"/>Vous avez fait %1 erreurs.</translation>
    </message>
    <message>
        <source>Spelldeck</source>
        <translation>Spelldeck</translation>
    </message>
    <message>
        <source>Do you want to try the ones you missed over again?</source>
        <translation>Voulez-vous réessayer les mots manqués ?</translation>
    </message>
    <message>
        <source>Test spelldeck - %1</source>
        <translation>Test du spelldeck - %1</translation>
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
