<?php $title = 'Shop'; include 'header.php'; ?>
<p>Our goods.</p>
<?php require_once('footer.php'); ?>
