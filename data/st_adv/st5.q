# The Hidden Builders of Coral Reefs

According to the text, reef formations can grow large enough to be what?
- seen by astronauts in orbit
+ mapped from aircraft high above
- charted on early sea maps
- seen from nearby hilltops

Which of these does the text NOT say about the algae living in corals?
- they make sugars from sunlight
- they feed on the coral's waste
+ they give the coral oxygen
- they lend corals their colors

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

What does the text say each polyp lays down beneath itself?
- a stony crust of limestone
- a stony shell of limestone
+ a stony cup of limestone
- a stony plate of limestone

Which benefit of reefs to people does the text mention first?
+ protecting shores from storm waves
- feeding millions through fishing
- drawing visitors who spend money
- offering compounds for new medicines

Besides rising heat, how many threats to reefs does the text name?
- two
+ three
- four
- five

Which claim does the text NOT make about reefs?
- their builders are animals, not plants
- they hold a huge variety of life
- corals react strongly to slight warming
+ most may vanish within a few decades
