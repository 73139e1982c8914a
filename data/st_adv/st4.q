# Measuring the Hours: A History of Timekeeping

Why, according to the text, were natural rhythms no longer enough?
- they changed from one region to another
- clouds often hid the sun and the stars
+ they were too rough a measure for growing towns
- the length of days changed with the seasons

Where does the text say early water clocks were built?
+ Egypt, Greece and China
- Babylon, Persia and India
- Rome, Syria and Arabia
- Japan, Korea and Tibet

What does the text say sailors timed with sandglasses?
- the tides and the hours of prayer
- the meals and the lighting of lamps
- the guns and the raising of sails
+ the crew's shifts and the ship's speed

What did many early mechanical clocks lack, according to the text?
- driving weights
+ a dial
- a bell
- an escapement

In which year does the text say Huygens built the first pendulum clock?
- 1582
- 1610
+ 1656
- 1714

What was John Harrison's trade, according to the text?
+ carpenter and clockmaker
- sailor and map maker
- goldsmith and engraver
- astronomer and teacher

When does the text say quartz clocks were introduced?
- in the 1890s
+ in the 1920s
- in the 1950s
- in the 1970s

Which systems does the text say atomic clocks coordinate today?
- air traffic, power grids and weather forecasts
- radio broadcasts, railways and space travel
- internet servers, power grids and television
+ satellite navigation, phone networks and finance
