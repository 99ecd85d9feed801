<html>
<body>
<?php // a comment that ends here ?><p>After the comment</p>
<?php echo '</body>' /* an echoed tag */; ?>
<p>Last paragraph</p>
</body>
</html>
<?php
// the page's last code runs after the markup
log_visit('comments');
