<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>Unidad no disponible o no preparada</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>El asistente de Trafalytic inserta o quita el código de Trafalytic de sus páginas web de forma rápida y sencilla.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>Para empezar, seleccione la carpeta que contiene sus páginas web.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Incluir &amp;subcarpetas</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>Nombrar las páginas por su &amp;ruta en el sitio</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>Nombrar las páginas por su ruta en el sitio</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Después pulse «Siguiente» para continuar.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>Seleccione una carpeta</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Esta carpeta es el origen de un sitio %1: sus páginas se generan en %2; ejecute esto sobre %2 tras cada generación</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Esta carpeta es el origen de un sitio %1: sus páginas se generan en %2; ejecute esto sobre %2 tras cada generación</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - Insertar código</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>¿Parar tras las páginas en curso? Las páginas ya hechas conservan sus cambios.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>deshecha</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>deshecha por %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>deshecha en parte (quedan %1)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>sin terminar</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Historial - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>Ejecuciones guardadas en el registro, la más reciente primero:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Ejecuciones</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Deshecha</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>Páginas deshechas</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>El registro no contiene ninguna ejecución.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Esta ejecución ya se deshizo.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>Esta ejecución la deshizo la ejecución %1.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>Deshaciendo la ejecución %1...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>Ejecución %1 detenida: %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>Ejecución %1: %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>Deshaciendo: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>en curso</translation>
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

¿Continuar sin registro? Los cambios de esta ejecución no podrán deshacerse.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>%1 insertadas, %2 sustituidas, %3 quitadas, %4 sin cambios, %5 omitidas, %6 fallidas</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>%1 restauradas, %2 sin cambios, %3 omitidas, %4 fallidas</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>se insertaría</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>insertada</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>se sustituiría</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>sustituida</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>se quitaría</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>quitada</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>restaurada</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>omitida</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>fallida</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>en %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>la página es demasiado grande para la memoria</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>la página es demasiado grande para reescribirla en memoria</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>la página es de solo lectura</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>la página tiene %1 enlace(s) físico(s) más; reescribirla los separaría</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>sus marcadores del código de seguimiento están anidados o cruzados, así que se dejó como estaba; arréglelos a mano y vuelva a ejecutar</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>no hay etiqueta body de cierre (solo las páginas .htm, .html, .shtm y .shtml reciben el código al final)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>no hay etiqueta body de cierre y por su nombre no es una página web</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>la página termina dentro de código de servidor, donde el código no se ejecutaría</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>la página termina dentro de %1, donde el código no se ejecutaría</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>quitar su antiguo código de seguimiento abriría código de servidor, así que se dejó como estaba; arréglela a mano y vuelva a ejecutar</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>la etiqueta body de cierre la escribe código de servidor; ponga el código allí a mano</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>un archivo binario, no una página web</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>una vez cambiada, sus primeros bytes se leerían como una marca de orden UTF-16</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>marcada como UTF-16 pero con un número impar de bytes</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>texto UTF-32, que este programa no reescribe</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>un archivo de verificación de un buscador</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>no es una página web, por su nombre o sus primeros bytes</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>cambiada desde la ejecución: se dejó como estaba</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>el texto nuevo no se guardó</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>esta carpeta no puede leerse: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>tiene una etiqueta body de apertura y ya recibió su propio código de seguimiento en esta ejecución</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>el mismo archivo que una página ya tratada en esta ejecución</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Seleccione ahora las páginas web en las que desea insertar o quitar el código de Trafalytic. Si no está seguro, pulse «Marcar todo».</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Páginas web</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Marcar todo</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>&amp;Desmarcar todo</translation>
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
        <translation>Después pulse «Siguiente» para continuar.</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>Lleva el código más de una vez; una ejecución deja uno</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>Marcadores por arreglar a mano: no forman un único bloque</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>Lleva el código de seguimiento del sitio %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>Lleva el código de seguimiento del sitio %1 (%2), en %3</translation>
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
        <translation>Vista previa - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>Una ejecución daría: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>Lo que haría una ejecución</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>Páginas por resultado</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>Cambio en la página</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>Leyendo las páginas: %1 de %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>No hay ninguna página marcada.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(esta página no cambiaría)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>El asistente de Trafalytic está aplicando sus cambios, espere por favor.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>Modificando la página web:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>NOMBRE DE LA PÁGINA WEB</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>Páginas sin cambiar</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>Pulse «Cerrar» para terminar. Gracias por usar Trafalytic.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>El registro de esta ejecución ya no existe: sus cambios no pueden deshacerse.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Detenido: %1 de %n página hechas, el resto no:</numerusform>
            <numerusform>Detenido: %1 de %n páginas hechas, el resto no:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>¡Cambios deshechos!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>¡Cambios completados!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n omitida</numerusform>
            <numerusform>%n omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n fallida</numerusform>
            <numerusform>%n fallidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n página sin cambiar (%1):</numerusform>
            <numerusform>%n páginas sin cambiar (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>sin cambiar</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>omitida</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (no hecha)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>El informe no puede guardarse en %1: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Escriba el número de sitio que Trafalytic le ha asignado.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>Número de sitio</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>Elija ahora el protocolo; si no está seguro, elija «Normal».</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>Protocolo web</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>¿Va a insertar o a quitar el código de Trafalytic?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>Inserto el código de Trafalytic.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Quito el código de Trafalytic.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
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
        <translation>Las páginas marcadas usan https.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>Las páginas marcadas usan http.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>Escriba un número de sitio</translation>
    </message>
</context>
</TS>
