<?php
// Sends the form by mail: the mail's own HTML is a string.
$body = "<html><body><p>Thanks, " . htmlspecialchars($_POST['name'] ?? '') . "</p></body></html>";
if (!empty($_POST)) {
    mail('owner@example.com', 'Contact', $body, "Content-Type: text/html\r\n");
}
?>
<!DOCTYPE html>
<html>
<head><title>Contact</title></head>
<body>
<form method="post"><input name="name"><button>Send</button></form>
</body>
</html>
