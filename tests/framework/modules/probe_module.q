# The test-only probe module, loaded in place of the real library: its iterated and
# aggregate properties follow the evaluator's protocols through every shape of
# registration.

# Iterated properties: first, then next until there is no value; none at all is an
# empty answer.
> countdowns of probe 3
= 3
= 2
= 1
> countdowns of probe 0
> countdowns by 4 of probe 10
= 10
= 6
= 2
> named countdowns of probe 3
= 3
= 2
= 1
> bytes "ab" of probe 1
= 98
= 99

# An aggregate yields in every phase: a marker before the elements, the running
# total for each, and the total twice at the end.
> values of totals of probes (1; 2; 3)
= -1
= 1
= 3
= 6
= 6
= 6
> values of totals of probes ((1; 2) whose (false))
= -1
= 0
= 0
