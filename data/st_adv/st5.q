# The Hidden Builders of Coral Reefs

According to the text, reef formations can grow large enough to be what?
- seen by astronauts in orbit
+ mapped from aircraft high above
- charted on early sea maps
- seen from nearby hilltops

How does the text describe the body of a coral polyp?
- a simple sac
- a simple cup
+ a simple tube
- a simple stalk

Besides warmer water, how many further pressures on reefs does the text name?
- 2
- 4
- 5
+ 3

Which point does the text make in the same paragraph as the Great Barrier Reef?
- drilling later confirmed Darwin's idea
- polyps are relatives of jellyfish
- corals need clear, shallow water
+ some corals live deep without algae

Which animal does the text NOT list among those that depend on reefs?
+ octopuses
- shrimp
- sponges
- sea turtles

Which words does the text use for the ecosystems it hopes will survive?
- intricate and fragile
+ ancient and intricate
- fragile and irreplaceable
- irreplaceable and ancient

How does the text describe the color of bleached corals?
+ ghostly white
- bone white
- chalky white
- stark white

Which claim does the text NOT make about reefs?
- the largest runs for over two thousand kilometers
- they are built up over thousands of years
+ a quarter of all sea species live on them
- millions of people rely on their fisheries
