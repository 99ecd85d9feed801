<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
