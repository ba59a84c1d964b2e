# Conjunction and disjunction of sequences of booleans.
> conjunction of (true; false)
: boolean
= false
> conjunction of (true; false; true), conjunction of (true; true)
= false, true
> disjunction of (false; false)
= false
> disjunction of (false; true; false), conjunction of (true; true) whose (it = false)
= true, true

# Over an empty sequence: the neutral value.
> conjunction of (true; false) whose (it and not it), disjunction of (true; true) whose (not it)
= true, false

# Over a computed plural.
> disjunction of (bits 2 of bit sets ("100"; "011"))
= true
> conjunction of (bits 0 of bit sets ("101"; "011"; "110"))
= false
