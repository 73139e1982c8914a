# Why Leaves Change Colour

What is the text mainly about?
- how to tell trees apart by the shape of their leaves
- where to travel to see the brightest autumn woods
+ why many trees change colour and drop their leaves
- how trees store food and water for the winter

What does the text compare a leaf to?
+ a small food factory
- a tiny solar battery
- a window for the sun
- a sponge for the rain

What makes a tree stop making new chlorophyll?
- heavy rain and strong winds
- the first snow of the year
- a lack of water in the soil
+ shorter days and cooler nights

Where do the yellow and orange colours come from?
- they are made fresh from sugar trapped in the leaf
+ they were in the leaf all along, hidden by the green
- they form when the leaf dries out in the wind
- they are drawn up from the soil through the roots

Which weather tends to bring the most striking reds?
- warm, wet days and mild nights
+ bright, sunny days and cool nights
- grey, cloudy days and windy nights
- long, dry days and hot nights

Which trees often turn brown and may keep dry leaves into winter?
- maples and birches
- poplars and maples
- pines and firs
+ oaks and beeches

How does a tree let go of a leaf?
+ a thin layer of cells cuts the leaf off and seals the wound
- the stalk stops getting water until it dries and snaps
- the frost cracks the stalk during a cold, clear night
- the leaf grows too heavy with sugar for the stalk to hold

Why can pines and firs keep their needles through the cold months?
- their needles hold enough sugar to last the winter
- their thick bark keeps the needles warm at night
+ their narrow, waxy needles lose very little water
- their roots reach water far below the frozen ground
