# The Printing Press and the Spread of Ideas

What is the text mainly about?
- why scribes in monasteries resisted the arrival of printing
- how printing in China differed from printing in Korea
+ how printing with movable type changed the way knowledge spread
- how modern inventions repeat the mistakes of early printers

Why were books precious objects before printing reached Europe?
+ each copy took scribes months of work by hand
- paper had to be brought in from distant lands
- the law allowed only universities to own them
- their ink was made from gold and rare minerals

Why was movable type awkward to use for written Chinese?
- the clay characters cracked when they were baked
+ the script uses thousands of distinct characters
- the paper of the time was too thin to take ink
- the courts forbade printing outside the capital

What was Gutenberg's type metal made of?
- copper, zinc and iron
- bronze, silver and lead
- iron, tin and copper
+ lead, tin and antimony

Who already used the kind of screw press that Gutenberg adapted?
- goldsmiths who stamped coins and medals
- bookbinders who pressed leather covers
+ farmers who squeezed grapes and olives
- millers who ground wheat and barley

Where do the terms "upper case" and "lower case" come from?
- the order in which lines were set on a page
- the sizes of the two trays used in a press
- the top and bottom halves of a printed sheet
+ where capitals and small letters were kept

What did identical printed copies allow scholars in distant cities to do?
+ read the same text and correct one another's errors
- publish their work without a university's approval
- stop learning Latin in order to read the classics
- reach the great libraries without long journeys

What lasting pattern does the text say the printing press established?
- each new invention is soon replaced by a better one
+ when copying grows cheaper, knowledge spreads faster
- new technology is welcomed at first and feared later
- critics of new inventions are usually proved right
