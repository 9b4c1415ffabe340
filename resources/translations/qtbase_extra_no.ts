<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Mappen ble ikke funnet.
Kontroller at riktig mappenavn er oppgitt.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Filen ble ikke funnet.
Kontroller at riktig filnavn er oppgitt.</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-fil</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 finnes allerede.
Vil du erstatte den?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Velg</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Ny mappe</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Åpne</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Gi nytt navn</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» er skrivebeskyttet.
Vil du slette den likevel?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Er du sikker på at du vil slette «%1»?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Bytt til detaljvisning</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Bytt til listevisning</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Kunne ikke slette mappen.</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Opprett ny mappe</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Opprett en ny mappe</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detaljvisning</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Mapper</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Mappe:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Stasjon</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fil&amp;navn:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Filtype:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Finn mappe</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fremover</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tilbake</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Gå fremover</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå til overordnet mappe</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listevisning</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Liste over steder og bokmerker</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Se i:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mappe</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Overordnet mappe</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Nylige steder</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lagre som</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Snarvei</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Vis &amp;skjulte filer</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidestolpe</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Navnet «%1» kan ikke brukes.&lt;/b&gt;&lt;p&gt;Prøv et annet navn, med færre tegn eller uten skilletegn.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Datamaskin</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Endringsdato</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ugyldig filnavn</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
</context>
</TS>
