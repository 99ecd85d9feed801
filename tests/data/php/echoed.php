<?php
// The whole page is written by the code: its closing body tag is PHP's.
echo "<html><body><h1>Hello</h1></body></html>\n";
