# Measuring the Hours: A History of Timekeeping

What is the text mainly about?
- why sailors needed accurate clocks to survive at sea
+ how people learned to measure time ever more precisely
- how the first sundials were made in ancient Egypt
- why every town once kept a local time of its own

What advantage did water clocks have over sundials?
- they were cheaper and easier to build
+ they worked at night and in any weather
- they kept time to within a second a day
- they could be carried aboard the ships

What did sailors use sandglasses for?
- measuring the depth of the water beneath the ship
+ timing the crew's shifts and the speed of the ship
- telling the hours of high and low tide in port
- finding the position of the ship on dark nights

Why was a summer hour longer than a winter one in many early societies?
+ daylight was split into twelve equal parts in every season
- sundials ran faster when the sun stood low in the sky
- water clocks slowed down in the cold of the winter months
- candles burned more quickly in the warmth of the summer

What did the escapement of the first mechanical clocks do?
- it struck a bell to announce each of the hours
- it turned the hands around the face of the dial
- it wound the heavy weights back up every day
+ it let the weights descend in small, regular steps

Who built the first clock regulated by a pendulum?
- Galileo Galilei
- John Harrison
+ Christiaan Huygens
- Su Song

Why did finding longitude at sea require an accurate clock?
- the stars could be read only at one fixed hour
- the speed of the ship was measured against it
+ it needed the exact time at a distant reference point
- the tides had to be timed to within a few seconds

What has defined the official second since 1967?
- the vibrations of a quartz crystal
- the swing of a standard pendulum
+ the behavior of cesium atoms
- the turning of the Earth
