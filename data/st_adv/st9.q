# The Potato's Journey Around the World

On the border of which two present-day countries was the potato first domesticated?
- Peru and Chile
- Bolivia and Argentina
- Chile and Argentina
+ Peru and Bolivia

How does the text say chuno was made?
+ frozen overnight, then trampled and sun-dried
- frozen overnight, then smoked over a fire
- boiled in salt water, then trampled and sun-dried
- boiled in salt water, then smoked over a fire

Which reason for Europeans' early distrust of the potato does the text give?
- its tubers were poisonous unless well boiled
- it grew well only in hot, dry places
+ its green leaves and sprouts were poisonous
- its flowers gave off a harmful scent

Which crops does the text say a potato field could feed more people than?
- wheat or oats
+ wheat or rye
- barley or rye
- barley or oats

What was Antoine-Augustin Parmentier, according to the text?
+ a pharmacist
- a botanist
- a royal cook
- a country priest

Who does the text say the vitamin C in potatoes helped protect from scurvy?
- soldiers and prisoners
- sailors and prisoners
+ sailors and poor communities
- soldiers and poor communities

What does the text discuss just before it turns to the potato blight?
- Parmentier's work in France
+ how farmers plant pieces of the tubers
- the vitamin C in potatoes
- the spread to Africa and Asia

What does the last sentence call the diversity of Andean varieties?
- a treasure that belongs to Andean villages
- the best hope for feeding growing cities
- a record of the potato's long history
+ a valuable legacy for farmers worldwide
