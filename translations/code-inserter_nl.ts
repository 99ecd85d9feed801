<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>Map kiezen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>Station niet beschikbaar of niet gereed</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Station</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>Met de Trafalytic-wizard voegt u de Trafalytic-code snel en eenvoudig toe aan uw webpagina&apos;s of haalt u hem weg.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>Kies eerst de map met uw webpagina&apos;s.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>&amp;Submappen meenemen</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Submappen meenemen</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>Pagina&apos;s noemen naar hun &amp;pad in de site</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>Pagina&apos;s noemen naar hun pad in de site</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Klik daarna op &apos;Volgende&apos;.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historie...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>Kies een map</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Deze map is de bron van een %1-site: de pagina&apos;s worden gebouwd in %2; voer dit na elke build uit op %2</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Deze map is de bron van een %1-site: de pagina&apos;s worden gebouwd in %2; voer dit na elke build uit op %2</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - Code invoegen</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>&amp;Vorige</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>V&amp;olgende</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>Stoppen na de pagina&apos;s die bezig zijn? Pagina&apos;s die klaar zijn houden hun wijzigingen.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>ongedaan</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>ongedaan door %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>deels ongedaan (%1 over)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>niet afgerond</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Geschiedenis - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>Uitvoeringen in het logboek, nieuwste eerst:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Uitvoeringen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Ongedaan</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>Pagina&apos;s ongedaan</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>Het logboek bevat geen uitvoering.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Deze uitvoering is al ongedaan gemaakt.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>Deze uitvoering is ongedaan gemaakt door uitvoering %1.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>Uitvoering %1 ongedaan maken...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>Uitvoering %1 gestopt: %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>Uitvoering %1: %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>bezig</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>nee</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

Doorgaan zonder logboek? De wijzigingen van deze uitvoering kunnen dan niet ongedaan worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>%1 ingevoegd, %2 vervangen, %3 verwijderd, %4 ongewijzigd, %5 overgeslagen, %6 mislukt</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>%1 hersteld, %2 ongewijzigd, %3 overgeslagen, %4 mislukt</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>zou ingevoegd worden</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ingevoegd</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>zou vervangen worden</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>vervangen</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>zou verwijderd worden</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>hersteld</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ongewijzigd</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>overgeslagen</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>mislukt</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>in %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>de pagina is te groot voor het geheugen</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>de pagina is te groot om in het geheugen te herschrijven</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>de pagina is alleen-lezen</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>de pagina heeft nog %1 harde koppeling(en); herschrijven zou ze scheiden</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>de markeringen van de trackingcode zijn genest of gekruist, dus is ze gelaten zoals ze was; ruim ze met de hand op en voer opnieuw uit</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>geen sluitende body-tag (alleen .htm-, .html-, .shtm- en .shtml-pagina&apos;s krijgen de code aan het eind)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>geen sluitende body-tag, en naar de naam geen webpagina</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>de pagina eindigt in servercode, waar de code niet zou draaien</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>de pagina eindigt in %1, waar de code niet zou draaien</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>de oude trackingcode weghalen zou servercode openbreken, dus is ze gelaten zoals ze was; ruim haar met de hand op en voer opnieuw uit</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>de sluitende body-tag wordt door servercode geschreven; zet de code daar met de hand</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>een binair bestand, geen webpagina</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>na de wijziging zouden de eerste bytes als UTF-16-bytevolgordemarkering gelezen worden</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>gemarkeerd als UTF-16 maar met een oneven aantal bytes</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>UTF-32-tekst, die dit programma niet herschrijft</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>een verificatiebestand van een zoekmachine</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>geen webpagina, naar naam of eerste bytes</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>gewijzigd sinds de uitvoering: gelaten zoals het is</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>de nieuwe tekst is niet opgeslagen</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>deze map kan niet gelezen worden: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>ze bevat een openende body-tag en kreeg in deze uitvoering al eigen trackingcode</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>hetzelfde bestand als een pagina die in deze uitvoering al behandeld is</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Kies nu de webpagina&apos;s waarin u de Trafalytic-code wilt invoegen of waaruit u hem wilt weghalen. Twijfelt u, klik dan op &apos;Alles kiezen&apos;.</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Webpagina&apos;s</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles kiezen</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>&amp;Niets kiezen</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>A&amp;utomatisch kiezen</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>Aangevinkte pagina&apos;s</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Klik daarna op &apos;Volgende&apos;.</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>Bevat de code meer dan eens; een uitvoering laat er één over</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>Markeringen met de hand opruimen: ze vormen geen enkel blok</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>Bevat de trackingcode voor website %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>Bevat de trackingcode voor website %1 (%2), in %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>%1 van %n pagina aangevinkt</numerusform>
            <numerusform>%1 van %n pagina&apos;s aangevinkt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>Voorbeeld - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>Een uitvoering zou geven: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>Wat een uitvoering zou doen</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>Pagina&apos;s per resultaat</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>Wijziging aan de pagina</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>Pagina&apos;s lezen: %1 van %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>Er is geen pagina aangevinkt.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(deze pagina zou niet wijzigen)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>De Trafalytic-wizard voert nu uw wijzigingen door, even geduld.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>Nu bezig met webpagina:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>NAAM VAN DE WEBPAGINA</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>Niet gewijzigde pagina&apos;s</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Opslaan...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>Klik op &apos;Sluiten&apos; om te stoppen. Bedankt voor Trafalytic.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>Het logboek van deze uitvoering is weg: de wijzigingen kunnen niet ongedaan worden gemaakt.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Gestopt: %1 van %n pagina klaar, de rest niet:</numerusform>
            <numerusform>Gestopt: %1 van %n pagina&apos;s klaar, de rest niet:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>Wijzigingen ongedaan gemaakt!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>Wijzigingen voltooid!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n overgeslagen</numerusform>
            <numerusform>%n overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n mislukt</numerusform>
            <numerusform>%n mislukt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n pagina niet gewijzigd (%1):</numerusform>
            <numerusform>%n pagina&apos;s niet gewijzigd (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>niet gewijzigd</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>overgeslagen</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (niet gedaan)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Verslag opslaan</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>Het verslag kan niet worden opgeslagen in %1: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Voer het websitenummer in dat Trafalytic u heeft toegekend.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>Websitenummer</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>Kies nu het protocol; twijfelt u, kies dan &apos;Normaal&apos;.</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>Webprotocol</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>Voegt u de Trafalytic-code in of haalt u hem weg?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>Ik voeg de Trafalytic-code in.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Ik haal de Trafalytic-code weg.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>Voor&amp;beeld...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>Normaal (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>Beveiligd (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>De pagina&apos;s gebruiken nu https.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>De pagina&apos;s gebruiken nu http.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>Voer een websitenummer in</translation>
    </message>
</context>
</TS>
