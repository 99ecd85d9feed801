<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>اختيار مجلد</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>محرك الأقراص غير متاح أو غير جاهز</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>محرك الأقراص</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>يتيح لك معالج Trafalytic إدراج رمز Trafalytic في صفحات الويب أو إزالته منها بسرعة وسهولة.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>للبدء، اختر المجلد الذي يحتوي على صفحات الويب.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>المجلد</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;استعراض...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>تضمين المجلدات ال&amp;فرعية</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>تضمين المجلدات الفرعية</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>تسمية الصفحات حسب م&amp;سارها في الموقع</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>تسمية الصفحات حسب مسارها في الموقع</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>ثم انقر «التالي» للمتابعة.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>ال&amp;سجل...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>يرجى اختيار مجلد</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>هذا المجلد هو مصدر موقع %1: تُبنى صفحاته في %2؛ شغّل هذا على %2 بعد كل بناء</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>هذا المجلد هو مصدر موقع %1: تُبنى صفحاته في %2؛ شغّل هذا على %2 بعد كل بناء</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - إدراج الرمز</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>ال&amp;سابق</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>هل تريد التوقف بعد الصفحات الجارية؟ تحتفظ الصفحات المنجزة بتغييراتها.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>مُلغى</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>ألغاه %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>مُلغى جزئيًا (بقي %1)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>انتهى دون إكمال</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>السجل - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>عمليات التشغيل المحفوظة في السجل، الأحدث أولًا:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>عمليات التشغيل</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>الأمر</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>مُلغى</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>المجلد</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>الصفحات المُلغاة</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>لا يحتوي السجل على أي تشغيل.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>تم التراجع عن هذا التشغيل من قبل.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>تم التراجع عن هذا التشغيل بالتشغيل %1.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>جارٍ التراجع عن التشغيل %1...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>توقف التشغيل %1: %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>التشغيل %1: %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>جارٍ التراجع: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>قيد التشغيل</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

هل تريد المتابعة دون سجل؟ لن يمكن عندها التراجع عن تغييرات هذا التشغيل.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>أُدرج %1، استُبدل %2، أُزيل %3، دون تغيير %4، تُخطّي %5، فشل %6</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>استُعيد %1، دون تغيير %2، تُخطّي %3، فشل %4</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>سيُدرج</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>أُدرج</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>سيُستبدل</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>استُبدل</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>سيُزال</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>أُزيل</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>استُعيدت</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>دون تغيير</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>تم تخطيها</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>فشل</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>الصفحة أكبر من أن تتسع لها الذاكرة</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>الصفحة أكبر من أن يُعاد كتابتها في الذاكرة</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>الصفحة للقراءة فقط</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>للصفحة %1 روابط صلبة أخرى؛ إعادة كتابتها ستفصلها</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>علامات رمز التتبع متداخلة أو متقاطعة، لذا تُركت كما هي؛ رتّبها يدويًا ثم أعد التشغيل</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>لا يوجد وسم body ختامي (تحصل صفحات .htm و.html و.shtm و.shtml وحدها على الرمز في نهايتها)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>لا يوجد وسم body ختامي، وليست صفحة ويب بحسب اسمها</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>تنتهي الصفحة داخل رمز الخادم، حيث لن يعمل الرمز</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>تنتهي الصفحة داخل %1، حيث لن يعمل الرمز</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>إزالة رمز التتبع القديم ستفتح رمز الخادم، لذا تُركت كما هي؛ رتّبها يدويًا ثم أعد التشغيل</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>وسم body الختامي يكتبه رمز الخادم؛ ضع الرمز هناك يدويًا</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>ملف ثنائي، وليس صفحة ويب</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>بعد التغيير ستُقرأ بايتاتها الأولى كعلامة ترتيب بايتات UTF-16</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>موسومة بأنها UTF-16 لكن عدد بايتاتها فردي</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>نص UTF-32 لا يعيد هذا البرنامج كتابته</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>ملف تحقق لمحرك بحث</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>ليست صفحة ويب بحسب اسمها أو بايتاتها الأولى</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>تغيّرت منذ التشغيل: تُركت كما هي</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>لم يُحفظ النص الجديد</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>تعذّر سرد هذا المجلد: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>تحتوي وسم body افتتاحيًا وحصلت على رمز تتبع خاص بها في هذا التشغيل</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>الملف نفسه لصفحة عولجت في هذا التشغيل</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>اختر الآن صفحات الويب التي تريد إدراج رمز Trafalytic فيها أو إزالته منها. إن لم تكن متأكدًا فانقر «تحديد الكل».</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>صفحات الويب</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;تحديد الكل</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>إلغاء تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>تحديد &amp;تلقائي</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>الصفحات المحددة</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>ثم انقر «التالي» للمتابعة.</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>تحتوي الرمز أكثر من مرة؛ يُبقي التشغيل نسخة واحدة</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>العلامات تحتاج إلى ترتيب يدوي: لا تشكّل كتلة واحدة</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>تحتوي رمز التتبع للموقع %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>تحتوي رمز التتبع للموقع %1 (%2)، في %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>%1 من %n صفحة محددة</numerusform>
            <numerusform>%1 من صفحة واحدة محددة</numerusform>
            <numerusform>%1 من صفحتين محددة</numerusform>
            <numerusform>%1 من %n صفحات محددة</numerusform>
            <numerusform>%1 من %n صفحة محددة</numerusform>
            <numerusform>%1 من %n صفحة محددة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>معاينة - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>سيعطي التشغيل: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>ما سيفعله التشغيل</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>الصفحات حسب النتيجة</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>التغيير على الصفحة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>جارٍ قراءة الصفحات: %1 من %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>لا توجد صفحة محددة.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(لن تتغير هذه الصفحة)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>يطبّق معالج Trafalytic تغييراتك الآن، يرجى الانتظار.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>جارٍ تعديل صفحة الويب:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>اسم صفحة الويب</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>صفحات لم تتغير</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>حفظ ال&amp;تقرير...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>انقر «إغلاق» للإنهاء. شكرًا لاستخدامك Trafalytic.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>سجل هذا التشغيل غير موجود: لا يمكن التراجع عن تغييراته.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>توقف: أُنجز %1 من %n صفحة، والباقي لا:</numerusform>
            <numerusform>توقف: أُنجز %1 من صفحة واحدة، والباقي لا:</numerusform>
            <numerusform>توقف: أُنجز %1 من صفحتين، والباقي لا:</numerusform>
            <numerusform>توقف: أُنجز %1 من %n صفحات، والباقي لا:</numerusform>
            <numerusform>توقف: أُنجز %1 من %n صفحة، والباقي لا:</numerusform>
            <numerusform>توقف: أُنجز %1 من %n صفحة، والباقي لا:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>تم التراجع عن التغييرات!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>اكتملت التغييرات!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>لم تُتخطَّ أي صفحة</numerusform>
            <numerusform>تُخطّيت صفحة واحدة</numerusform>
            <numerusform>تُخطّيت صفحتان</numerusform>
            <numerusform>تُخطّيت %n صفحات</numerusform>
            <numerusform>تُخطّيت %n صفحة</numerusform>
            <numerusform>تُخطّيت %n صفحة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>لم تفشل أي صفحة</numerusform>
            <numerusform>فشلت صفحة واحدة</numerusform>
            <numerusform>فشلت صفحتان</numerusform>
            <numerusform>فشلت %n صفحات</numerusform>
            <numerusform>فشلت %n صفحة</numerusform>
            <numerusform>فشلت %n صفحة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>لم تتغير أي صفحة (%1):</numerusform>
            <numerusform>صفحة واحدة لم تتغير (%1):</numerusform>
            <numerusform>صفحتان لم تتغيرا (%1):</numerusform>
            <numerusform>%n صفحات لم تتغير (%1):</numerusform>
            <numerusform>%n صفحة لم تتغير (%1):</numerusform>
            <numerusform>%n صفحة لم تتغير (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>لم تتغير</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>تم تخطيها</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (لم تُنجز)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>حفظ التقرير</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>تعذّر حفظ التقرير في %1: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>أدخل رقم الموقع الذي خصّصه لك Trafalytic.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>رقم الموقع</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>اختر الآن البروتوكول؛ إن لم تكن متأكدًا فاختر «عادي».</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>البروتوكول</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>هل تدرج رمز Trafalytic أم تزيله؟</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>أُدرج رمز Trafalytic.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>أُزيل رمز Trafalytic.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>م&amp;عاينة...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>عادي (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>آمن (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>تستخدم الصفحات المحددة https حاليًا.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>تستخدم الصفحات المحددة http حاليًا.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>يرجى إدخال رقم الموقع</translation>
    </message>
</context>
</TS>
