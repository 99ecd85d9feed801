<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>Laufwerk nicht verfügbar oder nicht bereit</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>Mit dem Trafalytic-Code-Assistenten fügen Sie den Trafalytic-Code schnell und einfach in Ihre Webseiten ein oder entfernen ihn.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>Wählen Sie zuerst den Ordner, der Ihre Webseiten enthält.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>&amp;Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>Seiten nach &amp;Pfad in der Website benennen</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>Seiten nach ihrem Pfad in der Website benennen</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>Bitte wählen Sie einen Ordner</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Dieser Ordner ist die Quelle einer %1-Website: ihre Seiten werden nach %2 gebaut; führen Sie dies nach jedem Bau auf %2 aus</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Dieser Ordner ist die Quelle einer %1-Website: ihre Seiten werden nach %2 gebaut; führen Sie dies nach jedem Bau auf %2 aus</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - Code-Assistent</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>Nach den Seiten in Arbeit anhalten? Bereits bearbeitete Seiten behalten ihre Änderungen.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>rückgängig durch %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>teilweise rückgängig (%1 übrig)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>nicht zu Ende geführt</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Verlauf - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>Im Journal gespeicherte Läufe, neueste zuerst:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>Rückgängig gemachte Seiten</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>Das Journal enthält keinen Lauf.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Dieser Lauf wurde bereits rückgängig gemacht.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>Dieser Lauf wurde durch Lauf %1 rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>Lauf %1 wird rückgängig gemacht...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>Lauf %1 angehalten: %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>Lauf %1: %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>läuft</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

Ohne Journal fortfahren? Die Änderungen dieses Laufs lassen sich dann nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>%1 eingefügt, %2 ersetzt, %3 entfernt, %4 unverändert, %5 übersprungen, %6 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>%1 wiederhergestellt, %2 unverändert, %3 übersprungen, %4 fehlgeschlagen</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>würde eingefügt</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>eingefügt</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>würde ersetzt</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>würde entfernt</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>wiederhergestellt</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>in %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>die Seite ist zu groß für den Speicher</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>die Seite ist zu groß, um sie im Speicher umzuschreiben</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>die Seite ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>die Seite hat %1 weitere harte Verknüpfung(en); Umschreiben würde sie trennen</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>ihre Tracking-Code-Markierungen sind verschachtelt oder überkreuzt, daher blieb sie unverändert; bereinigen Sie sie von Hand und starten Sie erneut</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>kein schließendes body-Tag (nur .htm-, .html-, .shtm- und .shtml-Seiten bekommen den Code an ihr Ende)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>kein schließendes body-Tag, und dem Namen nach keine Webseite</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>die Seite endet in Server-Code, wo der Code nicht liefe</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>die Seite endet in %1, wo der Code nicht liefe</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>den alten Tracking-Code zu entfernen würde Server-Code öffnen, daher blieb sie unverändert; bereinigen Sie sie von Hand und starten Sie erneut</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>das schließende body-Tag schreibt Server-Code; setzen Sie den Code dort von Hand ein</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>eine Binärdatei, keine Webseite</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>nach der Änderung läsen sich ihre ersten Bytes als UTF-16-Bytereihenfolgemarke</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>als UTF-16 markiert, aber mit ungerader Bytezahl</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>UTF-32-Text, den dieses Programm nicht umschreibt</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>eine Bestätigungsdatei einer Suchmaschine</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>keine Webseite, nach Name oder ersten Bytes</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>seit dem Lauf geändert: unverändert gelassen</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>der neue Text wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>dieser Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>sie enthält ein öffnendes body-Tag und bekam in diesem Lauf schon eigenen Tracking-Code</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>dieselbe Datei wie eine in diesem Lauf bereits bearbeitete Seite</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Wählen Sie nun die Webseiten, in die Sie den Trafalytic-Code einfügen oder aus denen Sie ihn entfernen möchten. Im Zweifel klicken Sie auf „Alle wählen“.</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Webseiten</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alle wählen</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>&amp;Keine wählen</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>Auto&amp;matisch wählen</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>Angehakte Seiten</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>Enthält den Code mehrmals; ein Lauf lässt einen übrig</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>Markierungen von Hand bereinigen: sie bilden keinen einzelnen Block</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>Enthält den Tracking-Code für Website %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>Enthält den Tracking-Code für Website %1 (%2), in %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>%1 von %n Seite angehakt</numerusform>
            <numerusform>%1 von %n Seiten angehakt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>Vorschau - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>Ein Lauf ergäbe: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>Was ein Lauf täte</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>Seiten nach Ergebnis</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>Änderung an der Seite</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>Seiten werden gelesen: %1 von %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>Keine Seite ist angehakt.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(diese Seite bliebe unverändert)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>Der Trafalytic-Code-Assistent führt jetzt Ihre Änderungen aus, bitte warten.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>Bearbeite jetzt Webseite:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>NAME DER WEBSEITE</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>Nicht geänderte Seiten</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>Klicken Sie auf „Schließen“. Danke, dass Sie Trafalytic nutzen.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>Das Journal dieses Laufs fehlt: seine Änderungen lassen sich nicht rückgängig machen.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Angehalten: %1 von %n Seite erledigt, der Rest nicht:</numerusform>
            <numerusform>Angehalten: %1 von %n Seiten erledigt, der Rest nicht:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>Änderungen rückgängig gemacht!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>Änderungen abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n Seite nicht geändert (%1):</numerusform>
            <numerusform>%n Seiten nicht geändert (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>nicht geändert</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (nicht erledigt)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>Der Bericht kann nicht unter %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Bitte geben Sie die Website-Nummer ein, die Trafalytic Ihnen zugeteilt hat.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>Website-Nummer</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>Wählen Sie nun das Protokoll; im Zweifel wählen Sie „Normal“.</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>Fügen Sie den Trafalytic-Code ein oder entfernen Sie ihn?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>Ich füge den Trafalytic-Code ein.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Ich entferne den Trafalytic-Code.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>Normal (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>Sicher (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>Die Seiten nutzen jetzt https.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>Die Seiten nutzen jetzt http.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>Bitte geben Sie eine Website-Nummer ein</translation>
    </message>
</context>
</TS>
