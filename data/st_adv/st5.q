# The Hidden Builders of Coral Reefs

From where does the text say large reef formations can be mapped?
- from boats passing close by
+ from aircraft flying high above
- from the tops of coastal cliffs
- from photographs taken by divers

When do many polyps reach out their tentacles to catch plankton?
- at dawn
- at midday
- in rough weather
+ at night

How was Darwin's idea about atolls later confirmed, according to the text?
+ by drilling deep into the reef
- by diving in early submarines
- by dating old fossil shells
- by measuring old sea levels

How far does the text say the Great Barrier Reef stretches?
- more than two hundred kilometers
- more than five thousand kilometers
+ more than two thousand kilometers
- almost ten thousand kilometers

Which animals does the text name among those that depend on reefs?
+ crabs, sponges and sea turtles
- octopus, eels and sea snakes
- sharks, rays and sea stars
- clams, urchins and manta rays

How long must water stay unusually warm to cause bleaching, per the text?
- a few hours
- a few days
- several years
+ several weeks

Besides heat, which threats to reefs does the text name?
- coastal building and tourism
+ pollution and harmful fishing
- starfish and boat anchors
- storms and coral disease

What does the text say researchers are now studying to help reefs?
- ways to shade reefs from the sun
- pumps that cool the water near reefs
+ corals that can stand more heat
- algae that can survive in acid water
