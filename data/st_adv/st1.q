# The Printing Press and the Spread of Ideas

Where does the text say scribes usually did their copying?
- in monasteries and universities
- in monasteries and royal courts
+ in monasteries and workshops
- in monasteries and cathedrals

Which of these does the text NOT say about books copied by hand?
+ their parchment cost a great deal
- each one took months to finish
- each copy added new mistakes
- they were chained to library shelves

What does the text say the sheet emerged carrying?
- a sharp impression
- a clean impression
+ a crisp impression
- a clear impression

What does the text say the type was inked with?
- cloth pads stuffed with horsehair
- cloth pads stuffed with wool
- leather pads stuffed with horsehair
+ leather pads stuffed with wool

How much does the text say a small team at one press could print in a day?
- several thousand sheets
- about a thousand sheets
+ hundreds of sheets
- dozens of sheets

How many later inventions does the text name as meeting similar complaints?
- 2
- 3
- 4
+ 5

Which kind of material does the text NOT say could now be copied accurately?
+ mathematical tables
- maps
- medical drawings
- scientific observations

Which effect of cheaper copying does the text's final sentence NOT name?
- knowledge spreading more quickly
+ more ordinary people learning to read
- debates becoming more lively
- the balance of producers and readers shifting
