# Our Neighbour the Moon

What is the text mainly about?
- the story of the first landing on the moon
+ what the moon is like and how it affects the Earth
- how to watch the moon through a telescope
- why people once told so many stories of the moon

How wide is the moon compared with the Earth?
- about half as wide
- about a tenth as wide
+ about a quarter as wide
- about a sixth as wide

Why does the moon show phases?
+ we see different amounts of its lit side as it moves round us
- the shadow of the Earth covers more or less of it each night
- the moon gives off more light of its own at some times
- clouds of dust drift across parts of its face each month

Why does the same side of the moon always face us?
- it does not spin at all as it travels
- its far side is always in deep shadow
- the Earth blocks our view of the far side
+ it turns once in the time it takes to go round us

What are the dark patches we can see on the moon?
- seas of water that dried up long ago
- deep shadows cast by tall mountains
+ wide plains of old lava that hardened
- highlands crowded with old craters

Why can even a footprint last a very long time on the moon?
+ there is no wind or rain to wear it away
- the dust sets hard in the cold of the night
- the weak gravity holds the dust in place
- the strong sunlight bakes the ground firm

When are the tides at their highest?
- when the moon is farthest from us
- when the moon is a thin crescent
- when the oceans are at their warmest
+ when the sun and the moon line up

How many astronauts explored the surface of the moon in the years after 1969?
- two
- six
+ twelve
- twenty
