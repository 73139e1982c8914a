# The Science of Sleep

What view of sleep does the text say modern research has overturned?
+ that it is simply a pause in activity
- that adults need eight hours each night
- that dreams carry hidden meanings
- that late meals spoil a night's sleep

Besides the internal clock, what other system does the text name?
- sleep debt
- sleep hunger
+ sleep pressure
- sleep load

When, according to the text, was rapid eye movement sleep first described?
- in the early 1920s
+ in the early 1950s
- in the late 1960s
- in the early 1980s

Which finding does the text say comes so far from experiments in animals?
- that caffeine blocks the signal of adenosine
- that deep sleep moves facts into lasting memory
- that rapid eye movement sleep aids creativity
+ that sleep helps clear waste from the brain

Which two animals does the text name to show how widely sleep is found?
+ fruit flies and whales
- honeybees and elephants
- earthworms and giraffes
- zebrafish and bats

What reason does the text give for thinking sleep serves ancient purposes?
- it is run by the oldest parts of the brain
- fossils show early animals resting curled up
+ it has lasted though it leaves animals at risk
- it is found even in creatures without a brain

According to the text, what suffers after just one bad night?
- memory, appetite and mood
+ attention, reaction time and judgment
- immunity, weight and long-term health
- vision, balance and speech

Which group does the text single out as facing a particular sleep challenge?
- shift workers
- new parents
- older adults
+ teenagers
