# How Vaccines Were Discovered

Which of these does the text NOT say about smallpox?
- it struck rich and poor alike
- it left many survivors scarred or blind
+ it covered the skin in blisters
- survivors almost never caught it again

Before the practice reached Britain, in how many regions does the text say healers used variolation?
- 3
+ 4
- 5
- 6

Which of these does the text NOT say about variolation?
- it used material from a mild case
- it usually gave lasting protection
+ it was banned in some countries
- some patients could infect others

How many diseases does the text list before "and many other infections"?
+ five
- four
- six
- three

Besides antibodies, which phrase does the text use for what the immune system produces?
- defensive cells
+ specialized cells
- dedicated cells
- trained cells

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
- a vaccine must prove both safe and effective
- a vaccine gives the body its lesson well in advance
+ observation, experiment and cooperation transform health
- a new vaccine is never quick or simple to make
