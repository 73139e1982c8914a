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

How many people does the text name in all?
- 3
+ 4
- 5
- 6

Which phrase does the text use for what standard time zones replaced?
- a jumble of local times
- a muddle of local times
+ a patchwork of local times
- a hodgepodge of local times

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

Which claim does the text NOT make?
- pendulums cut daily errors from minutes to seconds
- each early timer had its own strengths and weaknesses
- sailors could find latitude from sun and stars
+ precise clocks made modern science possible
