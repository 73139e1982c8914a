# Measuring the Hours: A History of Timekeeping

Which group does the text NOT name as wanting the day divided more finely?
- merchants
- officials
- scholars
+ monks

What does the text say about incense clocks?
+ they gave off different scents as hours passed
- they were marked with evenly spaced lines
- they filled or drained at a steady rate
- sailors turned them to time work shifts

What does the text mention right after sandglasses?
+ daylight split into twelve equal parts
- candle clocks marked with lines
- the first mechanical clocks
- a towering water clock in China

Which of these does the text NOT say about early mechanical clocks?
- they were driven by hanging weights
- they often drifted many minutes a day
- many of them had no dial
+ they were built of wrought iron

How many people does the text name?
- three
+ four
- five
- six

Which topic does the text cover in the same paragraph as the marine chronometer?
- sandglasses aboard ships
+ railways and standard time zones
- the balance spring in watches
- quartz in cheap watches

What does the text mention right after the balance spring?
- the first pendulum clock
- finding longitude at sea
+ minute hands becoming common
- clocks striking bells without dials

Which idea does the text close with?
- exact time was once a matter of life and death
- natural rhythms were too coarse for growing towns
+ modern clocks carry on an age-old wish for exact time
- each simple timer had its own strengths and flaws
