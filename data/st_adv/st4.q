# Measuring the Hours: A History of Timekeeping

Which group does the text NOT name as wanting the day divided more finely?
- merchants
- officials
- scholars
+ monks

What does the text say today's precise clocks carry forward?
- an ancient human need to measure the heavens
+ an ancient human desire to know the exact time
- an ancient human wish to order the working day
- an ancient human hope to tame the passing hours

What does the text mention right after sandglasses?
+ twelve equal hours of daylight
- candle clocks marked with lines
- the first mechanical clocks
- sundials being useless at night

In how many lands does the text say ancient craftsmen built water clocks?
- 2
- 4
+ 3
- 5

Which point does the text make in the same paragraph as John Harrison?
- the balance spring improved portable watches
- sandglasses timed the crew's shifts at sea
- quartz clocks now run cheap watches everywhere
+ railways pushed countries toward standard time

Which of these does the text NOT name as coordinated by modern clocks?
+ the internet
- satellite navigation
- telephone networks
- financial systems

What does the text say casts the moving shadow on a sundial?
- a slanted blade
- a slanted rod
+ an upright rod
- an upright blade

Which words does the text use for the pendulum's arc in Galileo's observation?
- long or short
+ wide or narrow
- large or small
- high or low
