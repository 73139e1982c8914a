# How Bees Make Honey

According to the opening, a single spoonful of honey is the work of how many bees?
- about a dozen bees
- hundreds of bees
+ thousands of bees
- millions of bees

How many drones does the text say a colony has?
- a few dozen
+ a few hundred
- a few thousand
- tens of thousands

Where does a worker bee pick up pollen, according to the text?
+ all over its hairy body
- in baskets on its back legs
- on the tips of its wings
- on its long tongue

Who takes the nectar from a bee returning to the hive?
- the drones
- older guard bees
- older forager bees
+ younger house bees

What kind of air do the bees fan across the cells, according to the text?
+ warm air
- cool air
- dry air
- fresh air

Why, according to the text, does one jar hold the work of a great many bees?
- a colony holds tens of thousands of bees
- each cell holds only one tiny drop
- the beekeeper takes only the extra honey
+ each bee makes far less than a teaspoon

What is done to the honey just before it is poured into jars?
- it is spun in a machine
- it is gently warmed
+ it is passed through a strainer
- it is left to settle

What does the text end with?
- a tip for making cloudy honey runny
+ a warning about feeding honey to babies
- a note on pale and dark kinds of honey
- a fact about how long honey keeps
