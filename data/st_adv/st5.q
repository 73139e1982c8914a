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

How many things does the text say the algae receive from the coral in return?
- 1
+ 2
- 3
- 4

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

What does the text say researchers are now studying to help reefs survive?
- heat-tolerant algae and artificial reefs
- heat-tolerant algae and restoration techniques
- heat-tolerant corals and artificial reefs
+ heat-tolerant corals and restoration techniques

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
