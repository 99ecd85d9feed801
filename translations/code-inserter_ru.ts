<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>Диск недоступен или не готов</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>Мастер Trafalytic быстро и просто вставляет код Trafalytic в ваши веб-страницы или удаляет его.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>Сначала выберите папку с вашими веб-страницами.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Включая &amp;вложенные папки</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Включая вложенные папки</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>Называть страницы по &amp;пути на сайте</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>Называть страницы по пути на сайте</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Затем нажмите «Далее».</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Журнал...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Эта папка — исходники сайта %1: его страницы собираются в %2; запускайте это на %2 после каждой сборки</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Эта папка — исходники сайта %1: его страницы собираются в %2; запускайте это на %2 после каждой сборки</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - Вставка кода</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>Остановиться после текущих страниц? Уже обработанные страницы сохранят изменения.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>отменён</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>отменён запуском %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>отменён частично (осталось %1)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>не завершён</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Журнал - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>Запуски в журнале, сначала новые:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Запуски</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Отменён</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход работы</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>Отменённые страницы</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>В журнале нет запусков.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Этот запуск уже отменён.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>Этот запуск отменён запуском %1.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>Отмена запуска %1...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>Запуск %1 остановлен: %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>Запуск %1: %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>Отмена: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>идёт</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

Продолжить без журнала? Тогда изменения этого запуска нельзя будет отменить.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>вставлено %1, заменено %2, удалено %3, без изменений %4, пропущено %5, с ошибкой %6</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>восстановлено %1, без изменений %2, пропущено %3, с ошибкой %4</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>будет вставлен</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>вставлен</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>будет заменён</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>заменён</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>будет удалён</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>удалён</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>восстановлена</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>пропущена</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>в %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>страница слишком велика для памяти</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>страница слишком велика, чтобы переписать её в памяти</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>страница только для чтения</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>у страницы ещё жёстких ссылок: %1; перезапись разделила бы их</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>маркеры кода отслеживания вложены или перекрещены, поэтому страница оставлена как есть; исправьте их вручную и запустите снова</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>нет закрывающего тега body (код в конец получают только страницы .htm, .html, .shtm и .shtml)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>нет закрывающего тега body, и по имени это не веб-страница</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>страница заканчивается внутри серверного кода, где код не выполнится</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>страница заканчивается внутри %1, где код не выполнится</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>удаление старого кода отслеживания вскрыло бы серверный код, поэтому страница оставлена как есть; исправьте её вручную и запустите снова</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>закрывающий тег body пишет серверный код; вставьте код туда вручную</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>двоичный файл, а не веб-страница</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>после изменения первые байты читались бы как метка порядка байтов UTF-16</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>помечена как UTF-16, но содержит нечётное число байтов</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>текст UTF-32, который эта программа не переписывает</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>файл подтверждения для поисковой системы</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>не веб-страница — по имени или первым байтам</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>изменена после запуска: оставлена как есть</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>новый текст не сохранён</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>эту папку нельзя прочитать: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>в ней есть открывающий тег body, и в этом запуске она уже получила свой код отслеживания</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>тот же файл, что и страница, уже обработанная в этом запуске</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Теперь выберите веб-страницы, в которые нужно вставить код Trafalytic или из которых его нужно удалить. Если сомневаетесь, нажмите «Выбрать все».</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Веб-страницы</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Выбрать все</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>&amp;Снять все</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>&amp;Автовыбор</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>Отмеченные страницы</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Затем нажмите «Далее».</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>Код встречается несколько раз; запуск оставит один</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>Маркеры нужно поправить вручную: они не образуют один блок</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>Содержит код отслеживания сайта %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>Содержит код отслеживания сайта %1 (%2), в %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>Отмечено %1 из %n страницы</numerusform>
            <numerusform>Отмечено %1 из %n страниц</numerusform>
            <numerusform>Отмечено %1 из %n страниц</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>Предпросмотр - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>Запуск дал бы: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>Что сделал бы запуск</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>Страницы по результату</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>Изменение страницы</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>Чтение страниц: %1 из %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>Ни одна страница не отмечена.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(эта страница не изменится)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>Мастер Trafalytic вносит изменения, подождите.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>Изменяется веб-страница:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>ИМЯ ВЕБ-СТРАНИЦЫ</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход работы</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>Неизменённые страницы</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>Нажмите «Закрыть». Спасибо, что пользуетесь Trafalytic.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>Журнал этого запуска пропал: его изменения нельзя отменить.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Остановлено: готово %1 из %n страницы, остальные нет:</numerusform>
            <numerusform>Остановлено: готово %1 из %n страниц, остальные нет:</numerusform>
            <numerusform>Остановлено: готово %1 из %n страниц, остальные нет:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>Изменения отменены!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>Изменения внесены!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n пропущена</numerusform>
            <numerusform>%n пропущены</numerusform>
            <numerusform>%n пропущено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n страница не изменена (%1):</numerusform>
            <numerusform>%n страницы не изменены (%1):</numerusform>
            <numerusform>%n страниц не изменено (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>не изменена</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>пропущена</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (не сделано)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>Не удаётся сохранить отчёт в %1: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Введите номер сайта, который вам присвоил Trafalytic.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>Номер сайта</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>Теперь выберите протокол; если сомневаетесь, выберите «Обычный».</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>Вы вставляете или удаляете код Trafalytic?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>Я вставляю код Trafalytic.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Я удаляю код Trafalytic.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Просмотр...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>Обычный (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>Защищённый (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>Страницы сейчас на https.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>Страницы сейчас на http.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>Введите номер сайта</translation>
    </message>
</context>
</TS>
