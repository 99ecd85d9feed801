<?php
$footer = <<<HTML
  <p>Written at ?> and closed with </body></html></p>
  HTML;
$raw = <<<'RAW'
</body> ?> stays in the nowdoc
RAW;
# a comment that mentions </body>
/* and a block comment ?> </body> */
?>
<html><body>
<?= $footer ?>
</body></html>
