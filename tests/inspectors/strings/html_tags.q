# HTML elements: the fixed tag vocabulary, the generic "html tag", empty tags and
# lists. String contents are escaped, html contents are not.

> p of "x<y"
: html
= <p>x&lt;y</p>
> p of html "<b>x</b>", p of ""
= <p><b>x</b></p>, <p></p>
> anchor "href=\"u\"" of "t", italic of "t"
= <a href="u">t</a>, <i>t</i>
> b of "t", h1 of "t", html of (head of title of "T" & body of "B")
= <b>t</b>, <h1>t</h1>, <html><head><title>T</title></head><body>B</body></html>
> td "colspan=2" of html "&nbsp;", table of tr of (th of "a" & td of "b")
= <td colspan=2>&nbsp;</td>, <table><tr><th>a</th><td>b</td></tr></table>
# Plurals are the name and "s".
> addresss of ("a"; "b")
= <address>a</address>
= <address>b</address>
> tbodys of html "x"
= <tbody>x</tbody>
> anchors "href=\"#\"" of ("1"; "2")
= <a href="#">1</a>
= <a href="#">2</a>

# The generic tag: the name up to the first whitespace byte, attributes after it.
> html tag "td colspan=2" of "x", html tag "td\tclass=\"c\"" of html "<b>x</b>"
= <td colspan=2>x</td>, <td class="c"><b>x</b></td>
> html tag "td" of "<", html tag "td " of "x"
= <td>&lt;</td>, <td>x</td>
> html tag ("b", "x&y"), html tag ("b", html "<i>x</i>"), html tag ("a", attr list of ("href", "u"), "t")
= <b>x&amp;y</b>, <b><i>x</i></b>, <a href="u">t</a>
> html tag ("a", attr list of ("href", "u"), html "<b>t</b>")
= <a href="u"><b>t</b></a>
# An empty attribute list writes no space.
> html tag ("hr", attr list of (("a", "1"); ("b", "2")) whose (false), "t")
= <hr>t</hr>

# No tag name, or one that is not a tag name: no value.
> html tags (""; " b"; "b><script"; "1b") of "x"
> exists html tag ("b\x00", html "x")
= false

# Attribute text is written as given, as long as it cannot end the tag.
> p "class=\"a b\" id=x hidden" of "t", p "title='it' lang=en" of "t"
= <p class="a b" id=x hidden>t</p>, <p title='it' lang=en>t</p>
> exists p "title='it''s'" of "t", p "title=\"1 > 0\"" of "t"
= false, <p title="1 > 0">t</p>
> (p "a=\"\x00\"" of "\x00") as string = "<p a=\"\x00\">\x00</p>"
= true
> ps ("x>y"; "onclick=\"x"; "a=\"1\"b=2"; "a="; "<x") of "t"
> exists html tag "td colspan=2><script" of "x"
= false

# Empty tags.
> hr, br, br "clear=\"all\""
= <hr/>, <br/>, <br clear="all"/>
# An unquoted last value keeps a space before the slash, so the slash stays out of it.
> br "clear=all", exists hr "/>", p of (html "a" & br & "b")
= <br clear=all />, false, <p>a<br/>b</p>

# Lists: the list tag opens with the first item and carries the attributes.
> unordered list of ("a"; "b"), ordered list of ("a<"; "b")
= <ul><li>a</li><li>b</li></ul>, <ol><li>a&lt;</li><li>b</li></ol>
> definition list of ("t1"; "d1"; "t2"; "d2"), definition list of ("t1"; "d1"; "t2")
= <dl><dt>t1</dt><dd>d1</dd><dt>t2</dt><dd>d2</dd></dl>, <dl><dt>t1</dt><dd>d1</dd><dt>t2</dt></dl>
> unordered list "class=\"x\"" of ("a"; "b")
= <ul class="x"><li>a</li><li>b</li></ul>
> unordered list of (html "<b>a</b>"; html "c"), ordered list "start=3" of html "<i>x</i>"
= <ul><li><b>a</b></li><li>c</li></ul>, <ol start=3><li><i>x</i></li></ol>
> unordered lists ("class=a"; "class=b") of ("x")
= <ul class=a><li>x</li></ul>
= <ul class=b><li>x</li></ul>
# A list without items has no value: its opening tag comes with the first item.
> exists unordered list of (("a"; "b") whose (false))
= false
> number of ordered lists "class=\"x\"" of (htmls ("a"; "b") whose (false))
= 0
> exists unordered list "x>" of ("a")
= false

# Contents made for the tag are copied into it; each result keeps only what it made.
> unordered list of (ps of ("a"; "b"))
= <ul><li><p>a</p></li><li><p>b</p></li></ul>
> (p of ((html "<b>" & "1") & (html "</b>" & "2"))) as string
= <p><b>1</b>2</p>
> div of concatenation (br) of (ps of ("a"; "b")), item 0 of (em of "x", 2)
= <div><p>a</p><br/><p>b</p></div>, <em>x</em>

# Tag names: a letter, then letters, digits, '-', '_', ':' or '.'.
> html tag ("my-element", "x"), html tag ("svg:rect", "x"), html tag ("x_y.z", "x"), html tag ("TD", "x")
= <my-element>x</my-element>, <svg:rect>x</svg:rect>, <x_y.z>x</x_y.z>, <TD>x</TD>
> html tags (("", "x"); ("-x", "x"); ("b/", "x"); ("b\"", "x"); ("\xc3\xa9t\xc3\xa9", "x"); ("b\x00", "x"))
# The tuple form takes the whole text as the name.
> exists html tag ("b c", "x")
= false

# Attribute text that stays inside its tag is accepted, whatever its spacing and quotes.
> number of ps (""; " "; "hidden"; "a b c"; "a=1"; "a = 1"; "a=b/c") of "t"
= 7
> number of ps ("a=\"x y\""; "a='x y'"; "a=\"<>/='\""; "a='\"'"; "a=\"\" b=''") of "t"
= 5
> number of ps ("a=\"1\" b='2' c=3 d"; " a=\"1\"\t\nb ") of "t"
= 2
# Text that could end the tag, or leave a quote or a value open, is not.
> ps (">"; "a=1>"; "a=\"1\">"; "a=<"; "a='x"; "a='1'b"; "a=`x`"; "a=x\"y"; "a=x'y"; "=a"; "/"; "a /"; "\""; "'") of "t"
# Only an unquoted last value gets the space before the slash.
> br "a=\"b\" c=d", br "a=\"b\"", br "a"
= <br a="b" c=d />, <br a="b"/>, <br a/>
