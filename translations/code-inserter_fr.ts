<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>Lecteur indisponible ou pas prêt</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>L&apos;assistant Trafalytic insère ou retire vite et simplement le code Trafalytic de vos pages web.</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>Pour commencer, choisissez le dossier qui contient vos pages web.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Inclure les &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>Nommer les pages par leur &amp;chemin</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>Nommer les pages par leur chemin dans le site</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Journal...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>Veuillez choisir un dossier</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Ce dossier est la source d&apos;un site %1 : ses pages sont construites dans %2 ; lancez ceci sur %2 après chaque construction</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>Ce dossier est la source d&apos;un site %1 : ses pages sont construites dans %2 ; lancez ceci sur %2 après chaque construction</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - Insertion du code</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>Arrêter après les pages en cours ? Les pages déjà traitées gardent leurs modifications.</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>annulé par %1</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>annulé en partie (%1 restantes)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Historique - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>Passes gardées dans le journal, la plus récente d&apos;abord :</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>Pages annulées</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>&amp;Annuler la passe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>Le journal ne contient aucune passe.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Cette passe a déjà été annulée.</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>Cette passe a été annulée par la passe %1.</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>Annulation de la passe %1...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>Passe %1 arrêtée : %2.</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>Passe %1 : %2.</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>Annulation : %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>en cours</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

Continuer sans journal ? Les modifications de cette passe ne pourront alors pas être annulées.</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>%1 insérées, %2 remplacées, %3 retirées, %4 inchangées, %5 ignorées, %6 en échec</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>%1 restaurées, %2 inchangées, %3 ignorées, %4 en échec</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>serait insérée</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>insérée</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>serait remplacée</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>remplacée</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>serait retirée</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>retirée</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>restaurée</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>inchangée</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ignorée</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>en échec</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>la page est trop grande pour la mémoire</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>la page est trop grande pour être réécrite en mémoire</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>la page est en lecture seule</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>la page a %1 autre(s) lien(s) physique(s) ; la réécrire les séparerait</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>ses marqueurs de code de suivi sont imbriqués ou croisés, elle a donc été laissée telle quelle ; corrigez-les à la main, puis relancez</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>pas de balise body fermante (seules les pages .htm, .html, .shtm et .shtml reçoivent le code à la fin)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>pas de balise body fermante, et pas une page web d&apos;après son nom</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>la page se termine dans du code serveur, où le code ne s&apos;exécuterait pas</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>la page se termine dans %1, où le code ne s&apos;exécuterait pas</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>retirer son ancien code de suivi ouvrirait du code serveur, elle a donc été laissée telle quelle ; corrigez-la à la main, puis relancez</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>la balise body fermante est écrite par du code serveur ; placez-y le code à la main</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>un fichier binaire, pas une page web</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>une fois modifiée, ses premiers octets se liraient comme une marque d&apos;ordre UTF-16</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>marquée UTF-16 mais d&apos;un nombre impair d&apos;octets</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>texte UTF-32, que ce programme ne réécrit pas</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>un fichier de vérification de moteur de recherche</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>pas une page web, d&apos;après son nom ou ses premiers octets</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>modifiée depuis la passe : laissée telle quelle</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>le nouveau texte n&apos;a pas été enregistré</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>ce dossier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>elle contient une balise body ouvrante et a déjà reçu son propre code de suivi dans cette passe</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>le même fichier qu&apos;une page déjà traitée dans cette passe</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Choisissez maintenant les pages web où insérer ou retirer le code Trafalytic. En cas de doute, cliquez sur « Tout cocher ».</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Pages web</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>Cocher &amp;auto</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>Pages cochées</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>Contient le code plusieurs fois ; une passe n&apos;en laisse qu&apos;un</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>Marqueurs à corriger à la main : ils ne forment pas un seul bloc</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>Contient le code de suivi du site %1 (%2)</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>Contient le code de suivi du site %1 (%2), dans %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>%1 page cochée sur %n</numerusform>
            <numerusform>%1 pages cochées sur %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>Aperçu - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>Une passe donnerait : %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>Ce que ferait une passe</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>Pages par résultat</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>Modification de la page</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>Lecture des pages : %1 sur %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>Aucune page n&apos;est cochée.</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(cette page ne changerait pas)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>L&apos;assistant Trafalytic applique maintenant vos modifications, veuillez patienter.</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>Modification de la page web :</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>NOM DE LA PAGE WEB</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>Pages non modifiées</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>&amp;Annuler tout</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>Cliquez sur « Fermer » pour terminer. Merci d&apos;utiliser Trafalytic.</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>Le journal de cette passe a disparu : ses modifications ne peuvent pas être annulées.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>Arrêté : %1 page faite sur %n, le reste non :</numerusform>
            <numerusform>Arrêté : %1 pages faites sur %n, le reste non :</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>Modifications annulées !</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>Modifications terminées !</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n ignorée</numerusform>
            <numerusform>%n ignorées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n page non modifiée (%1) :</numerusform>
            <numerusform>%n pages non modifiées (%1) :</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>non modifiée</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>ignorée</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (non faite)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>Le rapport ne peut pas être enregistré dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Saisissez le numéro de site que Trafalytic vous a attribué.</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>Numéro de site</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>Choisissez ensuite le protocole ; en cas de doute, prenez « Normal ».</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>Protocole web</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>Insérez-vous ou retirez-vous le code Trafalytic ?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>J&apos;insère le code Trafalytic.</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Je retire le code Trafalytic.</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>A&amp;perçu...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>Normal (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>Sécurisé (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>Les pages cochées utilisent https.</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>Les pages cochées utilisent http.</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>Veuillez saisir un numéro de site</translation>
    </message>
</context>
</TS>
