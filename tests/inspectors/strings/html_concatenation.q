# Concatenations of html values, and of strings with an html delimiter. Strings are
# escaped wherever they come in, delimiters included.

> concatenation of (html "<b>"; html "x"; html "</b>")
: html
= <b>x</b>
> html concatenation of (html "a"; p of "b")
: html
= a<p>b</p>
> concatenation of (html "a")
= a
# No elements: the empty text.
> concatenation of (htmls ("a"; "b") whose (false))
=
> html concatenation "," of (htmls ("a"; "b") whose (false))
=

# An html delimiter goes in as it is, between the elements only.
> concatenation (html "<br/>") of (html "a"; html "b"; html "c")
= a<br/>b<br/>c
> concatenation (html "<hr/>") of ("a<"; "b&"), concatenation (html "|") of ("x")
= a&lt;<hr/>b&amp;, x
# A string delimiter is escaped like every other string.
> concatenation "<br/>" of (html "a"; html "b")
= a&lt;br/&gt;b
> html concatenation ", " of (html "<i>a</i>"; html "<i>b</i>")
= <i>a</i>, <i>b</i>
> html concatenation "&" of (html "a"; html "b")
= a&amp;b

# Empty delimiters and empty elements are nothing special.
> concatenation "" of (html "a"; html "b"), concatenation (html "") of ("a"; ""; "b")
= ab, ab
> concatenation (html "|") of (""; "")
= |

# One result for each delimiter.
> concatenations (", "; "; ") of (html "a"; html "b")
= a, b
= a; b

# Elements made for the aggregate are copied before they go; the result points
# into the aggregate's own bytes and outlives it.
> html concatenation of (ps of ("1"; "2"; "3")), (concatenation of (html "a" & "<"; html "b")) & ">"
= <p>1</p><p>2</p><p>3</p>, a&lt;b&gt;
> ((concatenation (html "-") of ("x"; "y")) & (concatenation (html "+") of ("x"; "y"))) as string
= x-yx+y
> concatenation of (((html "a" & "b") & (html "c" & "d")); html "e")
= abcde
