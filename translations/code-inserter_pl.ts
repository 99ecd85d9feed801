<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>Napęd niedostępny lub niegotowy</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Napęd</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>Kreator Trafalytic szybko i łatwo wstawia kod Trafalytic do stron WWW lub go z nich usuwa.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>Na początek wybierz folder ze swoimi stronami WWW.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Wybierz...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Uwzględnij &amp;podfoldery</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Uwzględnij podfoldery</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>Nazywaj strony według &amp;ścieżki w witrynie</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>Nazywaj strony według ścieżki w witrynie</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Następnie kliknij „Dalej”.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historia...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Ten folder jest źródłem witryny %1: jej strony są budowane w %2; uruchamiaj to na %2 po każdym budowaniu</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Ten folder jest źródłem witryny %1: jej strony są budowane w %2; uruchamiaj to na %2 po każdym budowaniu</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - Wstawianie kodu</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>Zatrzymać po bieżących stronach? Strony już zrobione zachowają zmiany.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>cofnięte</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>cofnięte przez %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>cofnięte częściowo (zostało %1)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>nieukończone</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Historia - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>Przebiegi zapisane w dzienniku, od najnowszego:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Przebiegi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>Polecenie</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Cofnięte</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>Strony cofnięte</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>Dziennik nie zawiera przebiegów.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Ten przebieg został już cofnięty.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>Ten przebieg cofnął przebieg %1.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>Cofanie przebiegu %1...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>Przebieg %1 zatrzymany: %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>Przebieg %1: %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>Cofanie: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>trwa</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>nie</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

Kontynuować bez dziennika? Zmian z tego przebiegu nie będzie można cofnąć.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>wstawiono %1, zastąpiono %2, usunięto %3, bez zmian %4, pominięto %5, nieudane %6</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>przywrócono %1, bez zmian %2, pominięto %3, nieudane %4</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>zostałby wstawiony</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>wstawiono</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>zostałby zastąpiony</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>zastąpiono</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>zostałby usunięty</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>usunięto</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>przywrócono</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>pominięta</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>nieudane</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>w %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>strona jest za duża dla pamięci</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>strona jest za duża, by przepisać ją w pamięci</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>strona jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>strona ma jeszcze %1 dowiązań twardych; przepisanie by je rozdzieliło</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>znaczniki kodu śledzenia są zagnieżdżone lub skrzyżowane, więc strona została bez zmian; popraw je ręcznie i uruchom ponownie</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>brak zamykającego znacznika body (kod na końcu dostają tylko strony .htm, .html, .shtm i .shtml)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>brak zamykającego znacznika body i z nazwy to nie strona WWW</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>strona kończy się w kodzie serwera, gdzie kod by nie działał</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>strona kończy się w %1, gdzie kod by nie działał</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>usunięcie starego kodu śledzenia otworzyłoby kod serwera, więc strona została bez zmian; popraw ją ręcznie i uruchom ponownie</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>zamykający znacznik body zapisuje kod serwera; wstaw tam kod ręcznie</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>plik binarny, nie strona WWW</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>po zmianie pierwsze bajty wyglądałyby jak znacznik kolejności bajtów UTF-16</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>oznaczona jako UTF-16, ale ma nieparzystą liczbę bajtów</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>tekst UTF-32, którego ten program nie przepisuje</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>plik weryfikacyjny wyszukiwarki</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>nie strona WWW, z nazwy lub pierwszych bajtów</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>zmieniona po przebiegu: pozostawiona bez zmian</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>nowy tekst nie został zapisany</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>tego folderu nie można odczytać: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>zawiera otwierający znacznik body i w tym przebiegu dostała już własny kod śledzenia</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>ten sam plik co strona już obsłużona w tym przebiegu</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Teraz wybierz strony WWW, do których chcesz wstawić kod Trafalytic lub z których chcesz go usunąć. W razie wątpliwości kliknij „Zaznacz wszystko”.</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Strony WWW</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Zaznacz wszystko</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>&amp;Odznacz wszystko</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>Zaznacz &amp;auto</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>Zaznaczone strony</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Następnie kliknij „Dalej”.</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>Zawiera kod więcej niż raz; przebieg zostawi jeden</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>Znaczniki do poprawienia ręcznie: nie tworzą jednego bloku</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>Zawiera kod śledzenia witryny %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>Zawiera kod śledzenia witryny %1 (%2), w %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>Zaznaczono %1 z %n strony</numerusform>
            <numerusform>Zaznaczono %1 z %n stron</numerusform>
            <numerusform>Zaznaczono %1 z %n stron</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>Podgląd - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>Przebieg dałby: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>Co zrobiłby przebieg</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>Strony według wyniku</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>Zmiana strony</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>Czytanie stron: %1 z %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>Żadna strona nie jest zaznaczona.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(ta strona by się nie zmieniła)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>Kreator Trafalytic wprowadza teraz zmiany, proszę czekać.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>Zmieniana strona WWW:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>NAZWA STRONY WWW</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>Strony niezmienione</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Zapisz &amp;raport...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>&amp;Cofnij zmiany</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>Kliknij „Zamknij”, aby zakończyć. Dziękujemy za korzystanie z Trafalytic.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>Dziennik tego przebiegu zniknął: jego zmian nie można cofnąć.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Zatrzymano: zrobiono %1 z %n strony, reszty nie:</numerusform>
            <numerusform>Zatrzymano: zrobiono %1 z %n stron, reszty nie:</numerusform>
            <numerusform>Zatrzymano: zrobiono %1 z %n stron, reszty nie:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>Zmiany cofnięte!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>Zmiany zakończone!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n pominięta</numerusform>
            <numerusform>%n pominięte</numerusform>
            <numerusform>%n pominiętych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n nieudana</numerusform>
            <numerusform>%n nieudane</numerusform>
            <numerusform>%n nieudanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n strona niezmieniona (%1):</numerusform>
            <numerusform>%n strony niezmienione (%1):</numerusform>
            <numerusform>%n stron niezmienionych (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>niezmieniona</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>pominięta</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (nie zrobiono)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>Nie można zapisać raportu w %1: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Wpisz numer witryny nadany Ci przez Trafalytic.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>Numer witryny</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>Teraz wybierz protokół; w razie wątpliwości wybierz „Zwykły”.</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>Wstawiasz czy usuwasz kod Trafalytic?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>Wstawiam kod Trafalytic.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Usuwam kod Trafalytic.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>Pod&amp;gląd...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>Zwykły (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>Bezpieczny (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>Zaznaczone strony używają https.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>Zaznaczone strony używają http.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>Wpisz numer witryny</translation>
    </message>
</context>
</TS>
