# How Vaccines Were Discovered

Which of these does the text NOT say about smallpox?
- it struck rich and poor alike
- it left many survivors scarred or blind
+ it covered the skin in blisters
- survivors almost never caught it again

Which place does the text NOT name as one where healers practised variolation?
- China
- India
- Africa
+ Greece

Who does the text say brought variolation to Britain?
- an ambassador's wife
- army surgeons
+ travelers
- merchants

How many diseases does the text list before "and many other infections"?
+ five
- four
- six
- three

Besides antibodies, what does the text say the immune system produces?
- memory cells
+ specialized cells
- white blood cells
- killer cells

What does the text discuss right after listing what a vaccine may contain?
- how the body remembers a microbe
- Pasteur's use of the word vaccine
- the diseases beaten in the twentieth century
+ the slow work of developing a vaccine

Which step in testing a new vaccine does the text NOT mention?
- tests in the laboratory
+ tests on animals
- trials in small groups of volunteers
- large trials with unvaccinated people

Which statement does the text close with?
- vaccines now spread faster than any disease can
- a vaccine gives the body its lesson well in advance
+ observation, experiment and cooperation transform health
- a new vaccine is never quick or simple to make
