<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>Unità non disponibile o non pronta</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>La procedura guidata di Trafalytic inserisce o rimuove il codice Trafalytic dalle tue pagine web in modo rapido e semplice.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>Per iniziare, scegli la cartella che contiene le tue pagine web.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Includi &amp;sottocartelle</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Includi sottocartelle</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>Nomina le pagine col &amp;percorso nel sito</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>Nomina le pagine col percorso nel sito</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Poi fai clic su «Avanti» per continuare.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Storico...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Questa cartella è la sorgente di un sito %1: le sue pagine vengono generate in %2; esegui questo su %2 dopo ogni generazione</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Questa cartella è la sorgente di un sito %1: le sue pagine vengono generate in %2; esegui questo su %2 dopo ogni generazione</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - Inserimento codice</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>Fermarsi dopo le pagine in corso? Le pagine già fatte mantengono le modifiche.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>annullata</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>annullata da %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>annullata in parte (ne restano %1)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>non terminata</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Cronologia - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>Esecuzioni salvate nel registro, la più recente prima:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Esecuzioni</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annullata</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>Pagine annullate</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>Il registro non contiene esecuzioni.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Questa esecuzione è già stata annullata.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>Questa esecuzione è stata annullata dall&apos;esecuzione %1.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>Annullamento dell&apos;esecuzione %1...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>Esecuzione %1 fermata: %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>Esecuzione %1: %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>Annullamento: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>in corso</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

Continuare senza registro? Le modifiche di questa esecuzione non potranno essere annullate.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>%1 inserite, %2 sostituite, %3 rimosse, %4 invariate, %5 saltate, %6 non riuscite</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>%1 ripristinate, %2 invariate, %3 saltate, %4 non riuscite</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>verrebbe inserito</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>inserito</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>verrebbe sostituito</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>sostituito</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>verrebbe rimosso</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>rimosso</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ripristinata</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>invariata</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>saltata</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>non riuscita</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>in %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>la pagina è troppo grande per la memoria</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>la pagina è troppo grande per essere riscritta in memoria</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>la pagina è di sola lettura</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>la pagina ha altri %1 collegamenti fisici; riscriverla li separerebbe</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>i marcatori del codice di tracciamento sono annidati o incrociati, quindi è stata lasciata com&apos;era; sistemali a mano e riesegui</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>nessun tag body di chiusura (solo le pagine .htm, .html, .shtm e .shtml ricevono il codice in fondo)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>nessun tag body di chiusura, e dal nome non è una pagina web</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>la pagina finisce dentro codice server, dove il codice non verrebbe eseguito</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>la pagina finisce dentro %1, dove il codice non verrebbe eseguito</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>togliere il vecchio codice di tracciamento aprirebbe codice server, quindi è stata lasciata com&apos;era; sistemala a mano e riesegui</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>il tag body di chiusura è scritto da codice server; metti lì il codice a mano</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>un file binario, non una pagina web</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>una volta modificata, i suoi primi byte sembrerebbero un BOM UTF-16</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>marcata come UTF-16 ma con un numero dispari di byte</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>testo UTF-32, che questo programma non riscrive</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>un file di verifica di un motore di ricerca</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>non è una pagina web, per nome o primi byte</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>modificata dopo l&apos;esecuzione: lasciata com&apos;è</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>il nuovo testo non è stato salvato</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>questa cartella non può essere letta: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>contiene un tag body di apertura e ha già ricevuto il suo codice di tracciamento in questa esecuzione</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>lo stesso file di una pagina già trattata in questa esecuzione</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Ora scegli le pagine web in cui inserire o da cui rimuovere il codice Trafalytic. Nel dubbio, fai clic su «Seleziona tutto».</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Pagine web</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>Selezione &amp;auto</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>Pagine spuntate</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Poi fai clic su «Avanti» per continuare.</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>Contiene il codice più volte; un&apos;esecuzione ne lascia uno</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>Marcatori da sistemare a mano: non formano un unico blocco</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>Contiene il codice di tracciamento del sito %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>Contiene il codice di tracciamento del sito %1 (%2), in %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>%1 di %n pagina spuntate</numerusform>
            <numerusform>%1 di %n pagine spuntate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>Anteprima - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>Un&apos;esecuzione darebbe: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>Cosa farebbe un&apos;esecuzione</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>Pagine per esito</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>Modifica alla pagina</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>Lettura delle pagine: %1 di %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>Nessuna pagina è spuntata.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(questa pagina non cambierebbe)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>La procedura guidata di Trafalytic sta applicando le modifiche, attendi.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>Modifica della pagina web:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>NOME DELLA PAGINA WEB</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>Pagine non modificate</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Salva &amp;rapporto...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>Fai clic su «Chiudi» per finire. Grazie per aver usato Trafalytic.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>Il registro di questa esecuzione non c&apos;è più: le modifiche non si possono annullare.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Fermato: %1 di %n pagina fatte, il resto no:</numerusform>
            <numerusform>Fermato: %1 di %n pagine fatte, il resto no:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>Modifiche annullate!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>Modifiche completate!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n saltata</numerusform>
            <numerusform>%n saltate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n non riuscita</numerusform>
            <numerusform>%n non riuscite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n pagina non modificata (%1):</numerusform>
            <numerusform>%n pagine non modificate (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>non modificata</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>saltata</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (non fatta)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>Impossibile salvare il rapporto in %1: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Inserisci il numero del sito che Trafalytic ti ha assegnato.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>Numero del sito</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>Ora scegli il protocollo; nel dubbio, scegli «Normale».</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>Protocollo web</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>Stai inserendo o rimuovendo il codice Trafalytic?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>Inserisco il codice Trafalytic.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Rimuovo il codice Trafalytic.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>Ante&amp;prima...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>Normale (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>Sicuro (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>Le pagine spuntate usano https.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>Le pagine spuntate usano http.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>Inserisci un numero di sito</translation>
    </message>
</context>
</TS>
