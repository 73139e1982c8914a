# The Hidden Builders of Coral Reefs

What is the text mainly about?
- how divers can tell healthy corals from sea plants
- why the Great Barrier Reef grew larger than any other
+ how tiny animals build coral reefs and what threatens them
- how reef fish protect themselves from larger hunters

Which animals are coral polyps related to?
- sponges and sea urchins
- starfish and sea snails
- barnacles and sea squirts
+ jellyfish and sea anemones

Where does most of a polyp's energy come from?
+ algae in its tissues that share their sugars
- plankton caught by its tentacles at night
- calcium drawn from the surrounding seawater
- small fish that clean parasites from it

What did Darwin suggest about atolls?
- they grew on the rims of volcanoes beneath the sea
+ they began as reefs around islands that slowly sank
- they formed where barrier reefs broke away from land
- they rose out of the sea as its level slowly fell

What separates a barrier reef from the land?
- a wide band of sand dunes
+ a broad, sheltered lagoon
- a deep trench in the sea floor
- a ring of small, low islands

What do parrotfish do on a reef?
- clean parasites off larger fish that visit the reef
- release their eggs on the same night as the corals
+ scrape algae off dead coral and grind it into sand
- build their nests in the stony cups of dead polyps

How do reefs protect the shore during storms?
- they trap sand that builds the beaches higher
- they keep large ships away from the coast
- they cool the water close to the shore
+ they absorb the energy of the waves

What happens to corals in the process called bleaching?
+ stressed corals expel their algae and turn white
- acid in the water dissolves their stony skeletons
- pollution covers them in a pale film of fine mud
- parrotfish strip away their living outer tissue
