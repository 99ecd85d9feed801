document.write("<p>hi</p></body>");
