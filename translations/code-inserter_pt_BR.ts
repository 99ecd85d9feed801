<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>Unidade indisponível ou não pronta</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>O assistente do Trafalytic insere ou remove o código do Trafalytic das suas páginas web de forma rápida e fácil.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>Para começar, selecione a pasta que contém suas páginas web.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Incluir &amp;subpastas</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Incluir subpastas</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>Nomear as páginas pelo &amp;caminho no site</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>Nomear as páginas pelo caminho no site</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Depois clique em &quot;Avançar&quot; para continuar.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Histórico...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>Selecione uma pasta</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Esta pasta é a fonte de um site %1: as páginas são geradas em %2; execute isto em %2 após cada geração</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Esta pasta é a fonte de um site %1: as páginas são geradas em %2; execute isto em %2 após cada geração</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - Inserir código</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>Parar após as páginas em andamento? As páginas já feitas mantêm suas alterações.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>desfeita</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>desfeita por %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>desfeita em parte (restam %1)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>não terminou</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Histórico - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>Execuções guardadas no registro, a mais recente primeiro:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Execuções</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Desfeita</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>Páginas desfeitas</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>O registro não contém nenhuma execução.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Esta execução já foi desfeita.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>Esta execução foi desfeita pela execução %1.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>Desfazendo a execução %1...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>Execução %1 interrompida: %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>Execução %1: %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>Desfazendo: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>em andamento</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>não</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

Continuar sem registro? As alterações desta execução não poderão ser desfeitas.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>%1 inseridas, %2 substituídas, %3 removidas, %4 inalteradas, %5 ignoradas, %6 com falha</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>%1 restauradas, %2 inalteradas, %3 ignoradas, %4 com falha</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>seria inserida</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>inserida</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>seria substituída</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>substituída</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>seria removida</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>removida</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>restaurada</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>inalterada</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ignorada</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>com falha</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>em %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>a página é grande demais para a memória</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>a página é grande demais para ser reescrita na memória</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>a página é somente leitura</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>a página tem mais %1 link(s) físico(s); reescrevê-la os separaria</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>os marcadores do código de rastreamento estão aninhados ou cruzados, então ela foi deixada como estava; corrija-os à mão e execute de novo</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>sem tag body de fechamento (só páginas .htm, .html, .shtm e .shtml recebem o código no fim)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>sem tag body de fechamento, e pelo nome não é uma página web</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>a página termina dentro de código de servidor, onde o código não rodaria</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>a página termina dentro de %1, onde o código não rodaria</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>remover o código de rastreamento antigo abriria código de servidor, então ela foi deixada como estava; corrija-a à mão e execute de novo</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>a tag body de fechamento é escrita por código de servidor; coloque o código lá à mão</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>um arquivo binário, não uma página web</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>depois de alterada, seus primeiros bytes seriam lidos como marca de ordem UTF-16</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>marcada como UTF-16 mas com número ímpar de bytes</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>texto UTF-32, que este programa não reescreve</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>um arquivo de verificação de mecanismo de busca</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>não é uma página web, pelo nome ou pelos primeiros bytes</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>alterada desde a execução: deixada como está</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>o novo texto não foi salvo</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>esta pasta não pode ser lida: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>ela tem uma tag body de abertura e já recebeu seu próprio código de rastreamento nesta execução</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>o mesmo arquivo que uma página já tratada nesta execução</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Agora selecione as páginas web em que deseja inserir ou remover o código do Trafalytic. Na dúvida, clique em &quot;Marcar tudo&quot;.</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Páginas web</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Marcar tudo</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>&amp;Desmarcar tudo</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>Marcar &amp;auto</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>Páginas marcadas</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Depois clique em &quot;Avançar&quot; para continuar.</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>Contém o código mais de uma vez; uma execução deixa um</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>Marcadores a corrigir à mão: não formam um único bloco</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>Contém o código de rastreamento do site %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>Contém o código de rastreamento do site %1 (%2), em %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>%1 de %n página marcadas</numerusform>
            <numerusform>%1 de %n páginas marcadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>Prévia - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>Uma execução daria: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>O que uma execução faria</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>Páginas por resultado</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>Alteração na página</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>Lendo as páginas: %1 de %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>Nenhuma página está marcada.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(esta página não mudaria)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>O assistente do Trafalytic está aplicando suas alterações, aguarde.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>Alterando a página web:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>NOME DA PÁGINA WEB</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>Páginas não alteradas</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>Clique em &quot;Fechar&quot; para terminar. Obrigado por usar o Trafalytic.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>O registro desta execução sumiu: suas alterações não podem ser desfeitas.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Interrompido: %1 de %n página feitas, o resto não:</numerusform>
            <numerusform>Interrompido: %1 de %n páginas feitas, o resto não:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>Alterações desfeitas!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>Alterações concluídas!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n ignorada</numerusform>
            <numerusform>%n ignoradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n com falha</numerusform>
            <numerusform>%n com falha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n página não alterada (%1):</numerusform>
            <numerusform>%n páginas não alteradas (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>não alterada</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ignorada</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (não feita)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>O relatório não pode ser salvo em %1: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Digite o número do site que o Trafalytic atribuiu a você.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>Número do site</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>Agora escolha o protocolo; na dúvida, escolha &quot;Normal&quot;.</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>Protocolo web</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>Você vai inserir ou remover o código do Trafalytic?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>Vou inserir o código do Trafalytic.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Vou remover o código do Trafalytic.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Prévia...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>Normal (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>Seguro (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>As páginas marcadas usam https.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>As páginas marcadas usam http.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>Digite um número de site</translation>
    </message>
</context>
</TS>
