# HTML text: strings are escaped when they become html, html values are inserted as
# they are.

# The four special bytes are escaped, the apostrophe and every other byte are not.
> "<b>" as html
: html
= &lt;b&gt;
> "a<b&" as html, "say \"hi\"" as html, "it's" as html
= a&lt;b&amp;, say &quot;hi&quot;, it's
> "plain text" as html, "" as html, "&amp;" as html
= plain text, , &amp;amp;
> ("<" as html) as string
: string
= &lt;
# NUL and high bytes pass through; only the four special bytes change.
> ("a\x00<\xff" as html) as string = "a\x00&lt;\xff"
= true

# "html" of a text takes the text as HTML, unescaped.
> html "<b>x</b>"
: html
= <b>x</b>
> htmls ("<i>"; "")
= <i>
=
> html "" as string, html "<b>" as html
= , <b>

# Joining: a string operand is escaped, an html operand is not.
> html "<b>" & "<" & html "</b>", "x&y" & html "<br/>"
= <b>&lt;</b>, x&amp;y<br/>
> html "<p>" & html "</p>", "<" & html "", html "a" & ""
= <p></p>, &lt;, a

# Values that point at their operands: escaped copies, html built from html, casts
# of temporaries.
> (("<" as html) & (">" as html)) as string, ((html "<b>" & "1<2") & (html "</b>" & "&")) as string
= &lt;&gt;, <b>1&lt;2</b>&amp;
> (htmls ("<i>"; "<u>") & "&") as string
= <i>&amp;
= <u>&amp;
> (item 1 of (1, html "<q>" & "\"")) as string, ((html "a" & "<") as html) & "b"
= <q>&quot;, a&lt;b
