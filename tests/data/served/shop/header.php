<?php $title = isset($title) ? $title : 'Shop'; ?>
<!DOCTYPE html>
<html>
<head><title><?= htmlspecialchars($title) ?></title></head>
<body>
