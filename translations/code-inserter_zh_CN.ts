<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>驱动器不可用或未就绪</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>Trafalytic 代码插入向导可以快速、轻松地在网页中插入或删除 Trafalytic 代码。</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>首先，请选择存放网页的文件夹。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>包括子文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>包括子文件夹</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>按站点内路径命名页面(&amp;P)</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>按站点内路径命名页面</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>然后点击“下一步”继续。</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>历史(&amp;H)...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>请选择文件夹</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>此文件夹是 %1 站点的源文件：其页面生成到 %2；每次生成后请对 %2 运行此操作</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>此文件夹是 %1 站点的源文件：其页面生成到 %2；每次生成后请对 %2 运行此操作</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - 代码插入</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>上一步(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>下一步(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>处理完当前页面后停止吗？已处理的页面会保留更改。</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>已撤销</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>已由 %1 撤销</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>部分撤销（剩余 %1）</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>未完成即结束</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>历史 - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>日志中记录的运行（最新的在前）：</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>命令</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>已撤销的页面</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>日志中没有运行记录。</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>此运行已被撤销。</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>此运行已由运行 %1 撤销。</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>正在撤销运行 %1...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>运行 %1 已停止：%2。</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>运行 %1：%2。</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>正在撤销：%1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>运行中</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

不使用日志继续吗？此次运行的更改将无法撤销。</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>插入 %1，替换 %2，删除 %3，未变 %4，跳过 %5，失败 %6</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>恢复 %1，未变 %2，跳过 %3，失败 %4</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>将插入</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>已插入</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>将替换</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>已替换</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>将删除</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>已删除</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>已恢复</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>未变</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>失败</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>位于 %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>页面太大，无法放入内存</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>页面太大，无法在内存中重写</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>页面为只读</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>页面还有 %1 个硬链接；重写会使它们分开</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>跟踪代码标记嵌套或交叉，因此保持原样；请手动整理后重新运行</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>没有结束 body 标签（只有 .htm、.html、.shtm 和 .shtml 页面会在末尾加入代码）</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>没有结束 body 标签，且从名称看不是网页</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>页面结束于服务器代码中，代码不会运行</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>页面结束于 %1 中，代码不会运行</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>移除旧的跟踪代码会破坏服务器代码，因此保持原样；请手动整理后重新运行</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>结束 body 标签由服务器代码输出；请手动把代码放到那里</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>二进制文件，不是网页</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>更改后，其开头字节会被读作 UTF-16 字节顺序标记</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>标记为 UTF-16，但字节数为奇数</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>UTF-32 文本，本程序不重写</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>搜索引擎的验证文件</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>从名称或开头字节看不是网页</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>运行后已被更改：保持原样</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>新文本未保存</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>无法列出此文件夹：%1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>它含有开始 body 标签，并且在本次运行中已加入自己的跟踪代码</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>与本次运行中已处理的页面是同一文件</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>现在请选择要插入或删除 Trafalytic 代码的网页。如果不确定，请点击“全选”。</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>全选(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>全不选(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>自动选择(&amp;A)</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>已勾选的页面</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>然后点击“下一步”继续。</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>代码出现多次；运行后只保留一个</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>标记需要手动整理：它们不构成单个代码块</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>包含网站 %1 (%2) 的跟踪代码</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>包含网站 %1 (%2) 的跟踪代码，位于 %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>已勾选 %1 / %n 个页面</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>预览 - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>运行结果将为：%1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>运行将执行的操作</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>按结果统计的页面</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>页面的更改</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>正在读取页面：%1 / %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>没有勾选任何页面。</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>（此页面不会更改）</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>Trafalytic 代码插入向导正在应用更改，请稍候。</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>正在修改网页：</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>网页名称</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>未更改的页面</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>保存报告(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>撤销更改(&amp;U)</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>点击“关闭”完成。感谢使用 Trafalytic。</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>此次运行的日志已不存在：其更改无法撤销。</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>已停止：%n 个页面中已完成 %1 个，其余未完成：</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>更改已撤销！</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>更改已完成！</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>跳过 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>失败 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n 个页面未更改（%1）：</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>未更改</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1（未完成）</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>无法将报告保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>请输入 Trafalytic 分配给您的网站编号。</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>网站编号</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>现在选择要使用的协议；如果不确定，请选择“普通”。</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>网络协议</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>您要插入还是删除 Trafalytic 代码？</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>我要插入 Trafalytic 代码。</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>我要删除 Trafalytic 代码。</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>预览(&amp;V)...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>普通 (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>安全 (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>已勾选的页面目前使用 https。</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>已勾选的页面目前使用 http。</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>请输入网站编号</translation>
    </message>
</context>
</TS>
