<?php
$title = 'Thank you';
// The mail is HTML of its own, built in a string: not the page.
$body = "<html><body><p>Thanks for your order.</p></body></html>";
$headers = "Content-Type: text/html";
if (false) { mail('shop@example.com', 'Order', $body, $headers); }
include "header.php";
?>
<p>Thank you.</p>
<?php include "footer.php" ?>
