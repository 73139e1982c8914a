# The Potato's Journey Around the World

What is the text mainly about?
- why the Irish famine of the 1840s came about
- how to grow potatoes in a cool and damp climate
- how Andean farmers kept their food for years
+ how the potato spread around the world and what followed

What was chuno?
- potatoes boiled, mashed and baked into bread
+ potatoes frozen overnight, trampled and dried
- potatoes kept in ice caves high in the Andes
- potatoes of one variety grown beside the lake

Why did many Europeans at first distrust the potato?
+ it belonged to the same family as deadly nightshade
- it had been brought over by Spanish soldiers
- it made the soil too poor for wheat to follow
- it spoiled within a few days of being dug up

How did Parmentier win the French over to the potato?
- with a law that made every farmer plant them
- with free seed potatoes for the poorest families
+ with lavish dinners and clever publicity stunts
- with a book of recipes printed for the king

Which advantage of potatoes over standing grain does the text name?
- they could be harvested twice in every year
+ being underground, they were harder to trample or steal
- they kept for years without any preparation
- they needed no rain at all once they were planted

What are the eyes on the surface of a potato?
- seeds that can be sown the next year
- roots that draw water from the soil
+ buds that can sprout into new plants
- scars left where the tuber was joined

What hidden cost comes from planting pieces of the last harvest?
- the new plants grow more slowly every year
- the tubers lose their vitamin C over time
- the eyes stop sprouting after a few years
+ every plant in the field shares the same weaknesses

Why do scientists keep thousands of traditional Andean varieties?
+ their diversity protects against future diseases
- they give larger harvests than modern kinds do
- they keep for years in any ordinary cellar
- they are the only kinds with no poison in them
