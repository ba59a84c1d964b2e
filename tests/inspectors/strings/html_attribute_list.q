# Attribute lists: name="value" pairs in the order given, values escaped.

> attr list of (("href", "a&b"); ("class", "x"))
: html attribute list
= href="a&amp;b" class="x"
> attr list of ("id", "main"), attr list of ("title", "say \"<hi>\"")
= id="main", title="say &quot;&lt;hi&gt;&quot;"
> attr list of ("alt", ""), attr list of (("a", "1"); ("a", "2"))
= alt="", a="1" a="2"
# No pairs: the empty list.
> attr list of ((("a", "1"); ("b", "2")) whose (false)), attr lists of (("data-x", "it's"); ("aria-label", "&"))
= , data-x="it's" aria-label="&amp;"
> (attr list of ("k", "\x00<")) as string = "k=\"\x00&lt;\""
= true

# A name that could end the tag or start another attribute leaves the whole list
# without a value, rather than dropping the pair.
> exists attr list of (("a", "1"); ("on click", "x")), exists attr list of ("x\"", "1")
= false, false
> exists attr list of ("a>b", "1"), exists attr list of ("", "1")
= false, false
> exists attr list of ("a=b", "1"), exists attr list of ("a/", "1")
= false, false

# The list keeps the text it made alive, through a tuple and into a tag.
> html tag ("a", attr list of (("href", "x?a=1&b=2"); ("title", "<t>")), "go")
= <a href="x?a=1&amp;b=2" title="&lt;t&gt;">go</a>
> item 0 of (attr list of ("k", "v"), 1)
= k="v"

# Attribute names: any bytes but whitespace, NUL, quotes, '<', '>', '/' and '='.
> exists attr list of ("x:y", "v"), exists attr list of ("@click", "v")
= true, true
> exists attr list of ("\xc3\xa9", "v"), exists attr list of ("a\tb", "v"), exists attr list of ("a'", "v")
= true, false, false
> exists attr list of ("<a", "v"), exists attr list of ("a\x00", "v")
= false, false
