# How Vaccines Were Discovered

Which words does the text use for what people had long noticed about smallpox survivors?
- something remarkable
+ something curious
- something striking
- something strange

How does the text say variolation material usually entered a healthy person?
- through a small cut in the skin
- through a shallow cut in the skin
+ through a small scratch in the skin
- through a shallow scratch in the skin

How does the text describe the culture that failed to sicken Pasteur's birds?
+ an old, weakened culture
- an old, attenuated culture
- a stale, weakened culture
- a stale, attenuated culture

How many diseases does the text list before "and many other infections"?
+ five
- four
- six
- three

What does the text say a vaccine simply provides in advance?
- the warning
- the rehearsal
- the practice
+ the lesson

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
+ the story runs from an old observation to a worldwide effort
- vaccination is among medicine's most important achievements
- the immune system's memory stops disease before it takes hold
- the word vaccine remains a reminder of its origins
