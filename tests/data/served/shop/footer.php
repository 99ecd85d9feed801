<footer>&copy; <?php echo date('Y'); ?> The shop</footer>
</body>
</html>
