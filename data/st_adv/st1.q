# The Printing Press and the Spread of Ideas

Which of these does the text mention last?
- Chinese printing from wooden blocks
- Korean type cast in metal
+ the thousands of Chinese characters
- Bi Sheng's movable clay characters

Which of these does the text NOT say about books copied by hand?
+ their parchment cost a great deal
- each one took months to finish
- each copy added new mistakes
- they were chained to library shelves

What does the text say the compositor set the letters in, line by line?
- a composing stick
+ a small handheld tray
- a wooden galley
- an iron chase

Which step in printing a page does the text NOT describe?
- picking letters from a divided case
+ setting the letters in mirror image
- inking the type with leather pads
- laying damp paper over the type

Which word does the text use for the results of printing by the standards of the time?
- extraordinary
- impressive
- dramatic
+ astonishing

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

Which point does the text's very last sentence make?
+ cheaper copying makes debates livelier
- cheaper books lead more people to read
- new inventions often meet with suspicion
- printed pages can rival fine manuscripts
