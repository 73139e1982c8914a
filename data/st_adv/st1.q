# The Printing Press and the Spread of Ideas

Which of these does the text mention last?
- Chinese printing from wooden blocks
- Korean type cast in metal
+ the thousands of Chinese characters
- Bi Sheng's movable clay characters

Which part of Gutenberg's system does the text describe right after the metal alloy?
- the hand mold for casting letters
+ the oil-based ink
- the adapted screw press
- the divided case for letters

What does the text say the compositor set the letters in, line by line?
- a composing stick
+ a small handheld tray
- a wooden galley
- an iron chase

Which of these does the text NOT mention in its account of printing a page?
- a divided wooden case
- a frame that locks the page
- leather pads for inking
+ lines for drying the wet sheets

What does the text mention right before Gutenberg's Latin Bible?
+ the daily output of one press
- print shops opening across Europe
- skilled workers taking the craft abroad
- identical copies reaching distant scholars

How many countries does the text name when it tells how printing spread?
- two
- three
+ four
- five

Which result of printing does the text NOT mention?
- scholars far apart reading the same text
- maps copied without growing errors
- spelling becoming more uniform
+ calls for church reform spreading fast

What does the text's last paragraph deal with?
+ doubts about printing and a pattern still seen today
- the wider effects on scholars and readers
- how fast print shops spread through Europe
- the flaws of copying books by hand
