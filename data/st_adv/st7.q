# The Long Journeys of Migrating Birds

What is the text mainly about?
- why some birds stay in the far north all winter
- how scientists ring birds to count them each year
+ how and why birds make long seasonal journeys
- how modern cities have changed the routes of birds

What did some ancient writers suggest about swallows in winter?
+ they slept in the mud at the bottom of ponds
- they hid in hollow trees high in the mountains
- they turned into other birds until the spring
- they flew south in the company of the storks

What was found on the white stork shot in 1822?
- a numbered metal ring on one leg
+ a spear from Africa lodged in its neck
- a message tied to one of its feet
- a small tracking device on its back

What triggers the hormonal changes that prepare birds for departure?
- the first snowfall of the autumn
- a shortage of insects to eat
+ changes in the length of the day
- a sharp fall in the temperature

What is remarkable about the bar-tailed godwit's flight from Alaska to New Zealand?
- it flies the whole way alone and only at night
- it follows the coastline the whole way south
- it rides warm rising air for most of the way
+ it flies for over a week without a single stop

Why do many small songbirds travel mainly at night?
+ the air is calmer and hawks are less active
- they can read only the stars, not the sun
- their eyes cannot bear the bright sunlight
- the magnetic field is stronger in the dark

How do night migrants keep their direction?
- they follow the glow of towns along the coasts
- they keep the setting sun behind them all night
- they follow the calls of the birds flying ahead
+ they learn the stars that turn around the pole

How do young cranes learn their route?
- by inherited instructions alone, flying solo
+ by following experienced adults the first time
- by watching the stars from the nest in summer
- by tracing the coastlines they saw as chicks
